#pragma once

#include "engine/engine_state.hpp"
#include "ports/form_layout.hpp"
#include "ports/forms_toolkit.hpp"

namespace velmora {

// frmBasSelect: asks in which standard module (of StdModuleNames) a declaration goes. Its
// answer is left in SelectedStdModule: the 0-based index, or -1 on cancel.
namespace BasSelectDialog {

FormSpec layout();
void show(FormsToolkit& forms, EngineState& state);

} // namespace BasSelectDialog

} // namespace velmora
