#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

// Where a word stands in the code around it. Columns are 1-based, as the host counts them.

// True when column `column` of the last line of `logicalLine` lies inside a string literal or
// a comment. `logicalLine` holds the physical lines of one logical line, its first line first:
// a comment begun on a line above runs on through every continued line below it, a string ends
// with its line. A comment is "'" outside a string, or `Rem` where a statement starts (at the
// start of the logical line, after a line number, or after ":").
bool isInStringOrComment(std::span<const std::u16string> logicalLine, std::int32_t column);

// True when the word starting at `startColumn` of `line` comes right after "." or "!": a member
// of an object (`lbl.Caption`, `rs!Field`, `.Text` inside a With block), never a variable.
bool isMemberName(std::u16string_view line, std::int32_t startColumn);

// True for a conditional-compilation line (`#If`, `#Else`, `#Const`, ...): the names on it are
// compiler constants.
bool isDirectiveLine(std::u16string_view line);

} // namespace velmora
