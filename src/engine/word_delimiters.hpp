#pragma once

#include <string>

namespace velmora {

// The characters that end a word; "#" ends one too, since every delimiter is rewritten to it.
struct WordDelimiters {
  std::u16string characters;
};

// Fills the list: space ! ( ) = ^ ~ \ | ; : + * - / , . < > ? , the tab and the ideographic
// space, in this order.
void BuildWordDelimiters(WordDelimiters& delimiters);

} // namespace velmora
