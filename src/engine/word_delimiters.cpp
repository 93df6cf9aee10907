#include "engine/word_delimiters.hpp"

namespace velmora {

void BuildWordDelimiters(WordDelimiters& delimiters) {
  // The tab closes the list: tab-indented code must not give words that start with a tab.
  delimiters.characters = u" !()=^~\\|;:+*-/,.<>?\t";
}

} // namespace velmora
