#pragma once

#include "engine/engine_state.hpp"
#include "ports/form_layout.hpp"
#include "ports/forms_toolkit.hpp"

namespace velmora {

// frmKata: asks for the type of a name whose prefix is not registered. Its answer is left in
// ChosenType: the chosen or typed text, the empty string (no type) or kCancelType.
namespace KataDialog {

FormSpec layout();
// The type names offered, in their order.
const std::vector<std::u16string>& typeNames();
// Shows the dialog modally; returns once it has unloaded itself.
void show(FormsToolkit& forms, EngineState& state);

} // namespace KataDialog

} // namespace velmora
