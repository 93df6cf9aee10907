#pragma once

#include <string_view>

namespace velmora {

// A line whose text, spaces removed at both ends, starts with an apostrophe.
bool isCommentLine(std::u16string_view line);
// A line whose text, spaces removed at both ends, ends with the continuation mark "_".
bool isContinuedLine(std::u16string_view line);

} // namespace velmora
