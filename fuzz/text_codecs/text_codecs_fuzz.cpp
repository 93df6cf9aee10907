#include "fuzz_input.hpp"
#include "support/utf.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

// The conversions at the edges: UTF-8 (files, terminals) and UTF-16, and code page 932 (the
// settings file on a Japanese system). Input: one byte choosing the conversion, then the text.
namespace velmora::fuzz {
namespace {

// The text with every surrogate that is not part of a pair replaced by U+FFFD.
std::u16string pairedSurrogatesOnly(std::u16string text) {
  const auto isHigh = [](char16_t c) { return c >= 0xD800 && c < 0xDC00; };
  const auto isLow = [](char16_t c) { return c >= 0xDC00 && c < 0xE000; };
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isHigh(text[i]) && i + 1 < text.size() && isLow(text[i + 1])) {
      ++i;
    } else if (isHigh(text[i]) || isLow(text[i])) {
      text[i] = u'\uFFFD';
    }
  }
  return text;
}

// How often each character below `limit` occurs.
template <typename Text> std::array<std::size_t, 128> counts(const Text& text, unsigned limit) {
  std::array<std::size_t, 128> seen{};
  for (const auto c : text) {
    const auto unit = static_cast<unsigned>(static_cast<std::make_unsigned_t<decltype(c)>>(c));
    if (unit < limit) {
      ++seen[unit];
    }
  }
  return seen;
}

// An ASCII character comes out of the decoder exactly as often as its byte went in: no
// sequence of other bytes (an overlong form, a broken double-byte pair) makes one, least of all
// a line break.
void fromUtf8Checks(std::string_view bytes) {
  const std::u16string text = fromUtf8(bytes);
  require(pairedSurrogatesOnly(text) == text, "UTF-8 decoding gave a lone surrogate");
  require(text.size() <= bytes.size(), "UTF-8 decoding made more units than bytes");
  require(counts(text, 0x80) == counts(bytes, 0x80), "UTF-8 decoding made up an ASCII character");
  require(fromUtf8(toUtf8(text)) == text, "decoded UTF-8 did not survive a round trip");
}

void toUtf8Checks(std::string_view bytes) {
  const std::u16string units = utf16Units(bytes);
  require(fromUtf8(toUtf8(units)) == pairedSurrogatesOnly(units),
          "UTF-16 did not come back from UTF-8");
}

const AnsiCodec& codec = *codePage932().codec;

// Bytes below 0x40 are never the second byte of a pair in code page 932.
void ansiDecodeChecks(std::string_view bytes) {
  const std::u16string text = codec.decode(bytes);
  require(text.size() <= bytes.size(), "code page decoding made more units than bytes");
  require(pairedSurrogatesOnly(text) == text, "code page decoding gave a lone surrogate");
  require(counts(text, 0x40) == counts(bytes, 0x40),
          "code page decoding made up or lost a control character");
}

// Each unit comes back as itself or as '?' (a character the code page lacks).
void ansiEncodeChecks(std::string_view bytes) {
  const std::u16string text = utf16Units(bytes);
  const std::u16string back = codec.decode(codec.encode(text));
  require(back.size() == text.size(), "a code page round trip changed the length");
  for (std::size_t i = 0; i < text.size(); ++i) {
    require(back[i] == text[i] || back[i] == u'?', "a code page round trip changed a character");
  }
}

} // namespace

void checkInput(FuzzInput& input) {
  using Check = void (*)(std::string_view);
  constexpr std::array<Check, 4> kChecks = {fromUtf8Checks, toUtf8Checks, ansiDecodeChecks,
                                            ansiEncodeChecks};
  const std::uint8_t choice = input.byte();
  kChecks[choice % kChecks.size()](input.rest());
}

} // namespace velmora::fuzz
