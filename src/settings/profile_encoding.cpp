#include "settings/profile_encoding.hpp"

#include "support/utf.hpp"

namespace velmora {

namespace {

constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool isHighSurrogate(char32_t c) {
  return c >= 0xD800 && c < 0xDC00;
}
bool isLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c < 0xE000;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

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
  const auto unit = [&units](std::size_t i) -> char32_t {
    return static_cast<unsigned char>(units[2 * i]) |
           (static_cast<char32_t>(static_cast<unsigned char>(units[2 * i + 1])) << 8);
  };
  const std::size_t count = units.size() / 2;
  std::string out;
  out.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    char32_t c = unit(i);
    if (isHighSurrogate(c) && i + 1 < count && isLowSurrogate(unit(i + 1))) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
      ++i;
    }
    appendUtf8(out, c);
  }
  return out;
}

std::string utf8ToUtf16Le(std::string_view text) {
  // The decoder takes a surrogate's own three-byte sequence back to that unit.
  const std::u16string units = fromUtf8(text);
  std::string out;
  out.reserve(units.size() * 2);
  for (const char16_t c : units) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
  return out;
}

} // namespace velmora
