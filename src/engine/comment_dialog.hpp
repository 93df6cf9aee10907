#pragma once

#include "engine/engine_state.hpp"
#include "ports/form_layout.hpp"
#include "ports/forms_toolkit.hpp"
#include "settings/options.hpp"

namespace velmora {

// frmComment: asks for a trailing comment. Its answer is left in CommentText: the typed text
// with spaces removed at both ends, or the empty string on cancel.
namespace CommentDialog {

FormSpec layout();
// Shows the dialog modally, with the input method on when intImeMode is on.
void show(FormsToolkit& forms, const Options& options, EngineState& state);

} // namespace CommentDialog

} // namespace velmora
