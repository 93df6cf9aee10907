#include "engine/word_under_caret.hpp"

#include "engine/line_shape.hpp"
#include "engine/messages.hpp"
#include "engine/word_at_column.hpp"
#include "support/error.hpp"
#include "support/text.hpp"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::u16string_view kTypeCharacters = u"$%&@";

bool isAsciiLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

bool isInStringOrComment(std::u16string_view line, std::int32_t column) {
  bool inString = false;
  const auto end =
      std::min<std::size_t>(line.size(), static_cast<std::size_t>(std::max(column, 1) - 1));
  for (std::size_t i = 0; i < end; ++i) {
    if (line[i] == u'"') {
      inString = !inString; // a doubled quote inside a string toggles twice
    } else if (line[i] == u'\'' && !inString) {
      return true;
    }
  }
  return inString;
}

bool isDeclarableName(std::u16string_view word) {
  if (word.empty() || !(isAsciiLetter(word.front()) || word.front() >= 0x80)) {
    return false;
  }
  if (word.find_first_of(u"\"'") != std::u16string_view::npos) {
    return false;
  }
  const auto typeCharacter = word.find_first_of(kTypeCharacters);
  return typeCharacter == std::u16string_view::npos || typeCharacter == word.size() - 1;
}

std::optional<WordUnderCaret> takeWordUnderCaret(DeclareContext& context) {
  if (context.objVBE == nullptr) {
    throw Error(u"オブジェクト変数または With ブロック変数が設定されていません。");
  }
  WordUnderCaret result;
  result.pane = context.objVBE->activeCodePane();
  if (!result.pane) {
    return std::nullopt;
  }
  const Selection selection = result.pane->getSelection();
  result.line = selection.startLine;
  const std::u16string text = result.pane->codeModule()->lines(selection.startLine, 1);
  const auto notOnVariable = [&] {
    context.forms.show(
        Message{kNotOnVariable, MessageButtons::Ok, MessageIcon::None, kVelmoraTitle});
    return std::nullopt;
  };
  if (isCommentLine(text)) {
    return notOnVariable();
  }
  const WordAtColumn found = GetWordAtColumn(context.state.Delimiters, text, selection.startColumn);
  result.word = found.word;
  if (isBlank(result.word) || !isDeclarableName(result.word) ||
      isInStringOrComment(text, found.startColumn)) {
    return notOnVariable();
  }
  return result;
}

} // namespace velmora
