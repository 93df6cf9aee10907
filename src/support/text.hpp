#pragma once

#include <string>
#include <string_view>

namespace velmora {

constexpr char16_t kTab = u'\t';

// Removes the ASCII space at both ends; tabs and every other character stay.
std::u16string_view trimSpaces(std::u16string_view text);
std::string_view trimSpaces(std::string_view text);

// True when the text is empty once the spaces at both ends are removed.
bool isBlank(std::u16string_view text);

// Decimal text of a number, without leading zeros or spaces ("-5", "0", "68").
std::u16string decimal(long long value);

} // namespace velmora
