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

// The units that utf16LeToUtf8 made `text` of: UTF-8, and the three bytes of an unpaired
// surrogate (ED A0..BF 80..BF), which UTF-8 does not allow and fromUtf8 therefore replaces.
std::u16string unitsOf(std::string_view text) {
  std::u16string units;
  units.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t i = 0; i + 2 < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto second = static_cast<unsigned char>(text[i + 1]);
    const auto third = static_cast<unsigned char>(text[i + 2]);
    if (lead == 0xED && second >= 0xA0 && second <= 0xBF && third >= 0x80 && third <= 0xBF) {
      units += fromUtf8(text.substr(start, i - start));
      units.push_back(static_cast<char16_t>(0xD000 | ((second & 0x3F) << 6) | (third & 0x3F)));
      i += 2;
      start = i + 1;
    }
  }
  units += fromUtf8(text.substr(start));
  return units;
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
  const std::u16string units = unitsOf(text);
  std::string out;
  out.reserve(units.size() * 2);
  for (const char16_t c : units) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
  return out;
}

} // namespace velmora
