#pragma once

#include "engine/word_delimiters.hpp"

#include <cstdint>
#include <string>

namespace velmora {

struct WordAtColumn {
  std::u16string word; // empty when no word touches the caret
  // 1-based column of the word's first character and its length; meaningful only when `word`
  // is not empty (after a failed extraction they hold whatever the search left).
  std::int32_t startColumn = 0;
  std::int32_t length = 0;
};

// The word that a caret at `column` (1-based, before character `column`) touches. A caret
// between two word characters takes their word; right after a word, that word; right before
// one, that word; between two delimiters, none. Never fails: bad input gives the empty word.
WordAtColumn GetWordAtColumn(const WordDelimiters& delimiters, std::u16string_view lineText,
                             std::int32_t column);

} // namespace velmora
