#include "support/utf.hpp"

#include <cstdint>

namespace velmora {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

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

void appendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
  } else {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  }
}

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD, or with `keepSurrogates` its own
// three-byte form.
std::string encode(std::u16string_view text, bool keepSurrogates) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c < 0xE000 && !keepSurrogates) {
      c = kReplacement;
    }
    appendUtf8(out, c);
  }
  return out;
}

// UTF-8 to UTF-16; with `keepSurrogates` the three-byte form of a surrogate is read as that
// unit instead of as a broken sequence.
std::u16string decode(std::string_view text, bool keepSurrogates) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<std::uint8_t>(text[i]);
    if (b < 0x80) {
      out.push_back(b);
      ++i;
      continue;
    }
    // The well-formed sequences of Unicode's table 3-7: the lead byte fixes how many
    // continuation bytes follow and the range of the first one, which shuts out overlong
    // forms, the surrogates (ED A0..BF) and everything past U+10FFFF.
    int extra = 0;
    char32_t c = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
      extra = 1;
      c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      extra = 2;
      c = b & 0x0F;
      low = b == 0xE0 ? 0xA0 : 0x80;
      high = b == 0xED && !keepSurrogates ? 0x9F : 0xBF;
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3;
      c = b & 0x07;
      low = b == 0xF0 ? 0x90 : 0x80;
      high = b == 0xF4 ? 0x8F : 0xBF;
    }
    std::size_t next = i + 1;
    bool complete = extra > 0;
    for (int k = 0; k < extra; ++k, ++next) {
      const auto t =
          next < text.size() ? static_cast<std::uint8_t>(text[next]) : std::uint8_t{0x00};
      if (t < low || t > high) { // (past the end reads as 0x00, which continues nothing)
        complete = false;
        break;
      }
      c = (c << 6) | (t & 0x3F);
      low = 0x80;
      high = 0xBF;
    }
    // A broken sequence gives one U+FFFD for its longest well-formed start (at least the lead
    // byte); the byte that broke it is read again on its own.
    appendUtf16(out, complete ? c : kReplacement);
    i = next;
  }
  return out;
}

} // namespace

std::string toUtf8(std::u16string_view text) {
  return encode(text, false);
}

std::u16string fromUtf8(std::string_view text) {
  return decode(text, false);
}

std::string toWtf8(std::u16string_view units) {
  return encode(units, true);
}

std::u16string fromWtf8(std::string_view text) {
  return decode(text, true);
}

} // namespace velmora
