#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Conversions between the engine's UTF-16 text and UTF-8 (Linux files and terminals).
// Malformed input is replaced by U+FFFD rather than rejected: in UTF-8 a sequence that is cut
// short, overlong, a surrogate or past U+10FFFF (one U+FFFD for each longest well-formed start
// of one), in UTF-16 a lone surrogate. So no character comes out of bytes that do not spell it.
std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

// The same for UTF-16 that may hold unpaired surrogates (a file's text taken unit for unit):
// WTF-8, where such a surrogate keeps a three-byte form of its own (ED A0..BF 80..BF), so that
// fromWtf8(toWtf8(units)) gives back exactly `units`. Everything else is as above.
std::string toWtf8(std::u16string_view units);
std::u16string fromWtf8(std::string_view text);

} // namespace velmora
