#pragma once

#include <string>
#include <string_view>

namespace velmora::sim::vbide {

// One line on standard output, in UTF-8, flushed at once; lines from different threads do not
// mix.
void logLine(std::string_view utf8);
void logLine(std::u16string_view text);
// "vbide-sim: " + text.
void logIde(std::string_view utf8);

// Text for the log.
std::string utf8Of(std::wstring_view text);
std::string hresultText(long result);

} // namespace velmora::sim::vbide
