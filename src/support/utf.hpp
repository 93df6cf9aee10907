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

} // namespace velmora
