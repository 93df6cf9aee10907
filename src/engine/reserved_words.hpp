#pragma once

#include <string_view>

namespace velmora {

// True for a word VB reserves, which no declaration can name (`If`, `Then`, `String`, `Me`,
// ...), compared without regard to case. Built-in functions (`Len`, `Mid`) are not among them.
bool isReservedWord(std::u16string_view word);

} // namespace velmora
