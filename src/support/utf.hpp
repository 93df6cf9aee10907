#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Conversions between the engine's UTF-16 text and UTF-8 (Linux files and terminals).
// Malformed input is replaced by U+FFFD rather than rejected.
std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

} // namespace velmora
