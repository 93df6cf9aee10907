#include "settings/profile_value.hpp"

#include "settings/profile_syntax.hpp"

namespace velmora {

namespace {

bool isHighSurrogate(char16_t c) {
  return c >= 0xD800 && c < 0xDC00;
}
bool isLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c < 0xE000;
}
bool isAscii(std::u16string_view text) {
  for (const char16_t c : text) {
    if (c >= 0x80) {
      return false;
    }
  }
  return true;
}

} // namespace

std::u16string cutToAnsiBytes(std::u16string_view text, std::size_t maxBytes,
                              const AnsiCodec& codec) {
  // No character of an ANSI code page takes less than a byte, so a text of at most `maxBytes`
  // units can only be too long when some take more, which ASCII characters do not.
  if (text.size() <= maxBytes && (isAscii(text) || codec.encode(text).size() <= maxBytes)) {
    return std::u16string(text);
  }
  std::size_t used = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t units =
        (isHighSurrogate(text[pos]) && pos + 1 < text.size() && isLowSurrogate(text[pos + 1])) ? 2
                                                                                               : 1;
    const std::size_t bytes = codec.encode(text.substr(pos, units)).size();
    if (used + bytes > maxBytes) {
      break;
    }
    used += bytes;
    pos += units;
  }
  return std::u16string(text.substr(0, pos));
}

std::u16string returnedProfileValue(std::u16string_view stored, std::size_t bufferSize,
                                    const AnsiCodec& codec) {
  if (bufferSize == 0) {
    return {};
  }
  return cutToAnsiBytes(stripProfileQuotes(stored), bufferSize - 1, codec);
}

} // namespace velmora
