#include "engine/word_delimiters.hpp"

namespace velmora {

void BuildWordDelimiters(WordDelimiters& delimiters) {
  // The tab and the ideographic space close the list: tab-indented code must not give words
  // that start with a tab, and a space typed with the Japanese input method on is a space too.
  delimiters.characters = u" !()=^~\\|;:+*-/,.<>?\t\u3000";
}

} // namespace velmora
