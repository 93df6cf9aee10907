#include "engine/word_under_caret.hpp"

#include "engine/code_context.hpp"
#include "engine/declarable_name.hpp"
#include "engine/line_shape.hpp"
#include "engine/logical_line.hpp"
#include "engine/messages.hpp"
#include "engine/word_at_column.hpp"
#include "support/error.hpp"
#include "support/text.hpp"

namespace velmora {

namespace {

// Whether the word found on line `line` (text `text`) can be a variable, judged on the line as
// the host gave it: the delimiters' rewriting hides what stood before the word.
bool isVariableAt(CodeModule& module, std::int32_t line, const std::u16string& text,
                  const WordAtColumn& found) {
  if (isBlank(found.word) || !isDeclarableName(found.word) ||
      isMemberName(text, found.startColumn)) {
    return false;
  }
  const std::vector<std::u16string> logical = logicalLineEndingAt(module, line, text);
  return !isDirectiveLine(logical.front()) && !isInStringOrComment(logical, found.startColumn);
}

} // namespace

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
  const auto module = result.pane->codeModule();
  const std::u16string text = module->lines(selection.startLine, 1);
  const auto notOnVariable = [&] {
    context.forms.show(
        Message{kNotOnVariable, MessageButtons::Ok, MessageIcon::None, kVelmoraTitle});
    return std::nullopt;
  };
  if (isCommentLine(text)) {
    return notOnVariable();
  }
  const WordAtColumn found = GetWordAtColumn(context.state.Delimiters, text, selection.startColumn);
  if (!isVariableAt(*module, selection.startLine, text, found)) {
    return notOnVariable();
  }
  result.word = found.word;
  return result;
}

} // namespace velmora
