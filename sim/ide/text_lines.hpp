#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::sim {

// Splits text into lines at CR LF, CR or LF. A line break at the very end gives a last, empty
// line ("a\r\n" is "a" and ""), and the empty text is one empty line.
std::vector<std::u16string> splitLines(std::u16string_view text);

// The lines joined by CR LF, without a final line break.
std::u16string joinLines(const std::vector<std::u16string>& lines, std::size_t first,
                         std::size_t count);

} // namespace velmora::sim
