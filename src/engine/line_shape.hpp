#pragma once

#include <string_view>

namespace velmora {

// A line whose text, spaces removed at both ends, starts with an apostrophe.
bool isCommentLine(std::u16string_view line);

// A line that VB continues onto the next one: trailing spaces and tabs aside, it ends with "_"
// after a space or a tab, or it holds nothing but that "_". An "_" ending a name (`m_`) or a
// run of underscores (`'______`) continues nothing. A comment continues the same way.
bool isContinuedLine(std::u16string_view line);

} // namespace velmora
