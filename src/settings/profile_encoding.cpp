#include "settings/profile_encoding.hpp"

#include "support/utf.hpp"

namespace velmora {

namespace {

constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

} // namespace

ProfileEncoding detectProfileEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf16Mark)) {
    return ProfileEncoding::Utf16;
  }
  if (bytes.starts_with(kUtf8Mark)) {
    return ProfileEncoding::Utf8;
  }
  return ProfileEncoding::Ansi;
}

std::string_view profileByteOrderMark(ProfileEncoding encoding) {
  switch (encoding) {
  case ProfileEncoding::Utf16:
    return kUtf16Mark;
  case ProfileEncoding::Utf8:
    return kUtf8Mark;
  case ProfileEncoding::Ansi:
    break;
  }
  return {};
}

std::string utf16LeToUtf8(std::string_view units) {
  std::u16string text(units.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(units[2 * i]) |
                                    (static_cast<unsigned char>(units[2 * i + 1]) << 8));
  }
  return toWtf8(text);
}

std::string utf8ToUtf16Le(std::string_view text) {
  const std::u16string units = fromWtf8(text);
  std::string out;
  out.reserve(units.size() * 2);
  for (const char16_t c : units) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
  return out;
}

} // namespace velmora
