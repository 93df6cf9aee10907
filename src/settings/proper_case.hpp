#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The text with the first letter of every word in upper case and every other letter in lower
// case. Words are separated by spaces (the ASCII and the ideographic one), tabs and line breaks
// only, so "abc.def" gives "Abc.def" and "my type" gives "My Type". Letters are the Latin ones,
// in their ASCII and full-width forms; every other character stays as it is.
std::u16string ProperCase(std::u16string_view text);

} // namespace velmora
