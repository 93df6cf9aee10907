#pragma once

#include <string_view>

namespace velmora {

// True for a word that a declaration can name: it starts with a letter (or any non-ASCII
// character), holds no quote or apostrophe, has a type-declaration character ($ % & @) only at
// its end, and is no reserved word (`If`, `String$`).
bool isDeclarableName(std::u16string_view word);

} // namespace velmora
