#include "engine/comment_suffix.hpp"

#include "engine/comment_dialog.hpp"
#include "support/text.hpp"

#include <exception>

namespace velmora {

std::u16string AskCommentSuffix(DeclareContext& context) {
  EngineState& state = context.state;
  state.CommentText.clear();
  try {
    if (Options::isOn(context.options.intComment)) {
      CommentDialog::show(context.forms, context.options, state);
      if (!isBlank(state.CommentText)) {
        state.CommentText = std::u16string(1, kTab) + u"'" + state.CommentText;
      }
    }
  } catch (const std::exception&) {
    // A comment is optional: whatever went wrong, the declaration goes ahead without one.
    state.CommentText.clear();
  }
  return state.CommentText;
}

} // namespace velmora
