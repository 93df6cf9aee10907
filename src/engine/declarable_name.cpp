#include "engine/declarable_name.hpp"

#include "engine/reserved_words.hpp"

namespace velmora {

namespace {

constexpr std::u16string_view kTypeCharacters = u"$%&@";

bool isAsciiLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

bool isDeclarableName(std::u16string_view word) {
  if (word.empty() || !(isAsciiLetter(word.front()) || word.front() >= 0x80)) {
    return false;
  }
  if (word.find_first_of(u"\"'") != std::u16string_view::npos) {
    return false;
  }
  const auto typeCharacter = word.find_first_of(kTypeCharacters);
  if (typeCharacter == std::u16string_view::npos) {
    return !isReservedWord(word);
  }
  return typeCharacter == word.size() - 1 && !isReservedWord(word.substr(0, typeCharacter));
}

} // namespace velmora
