#pragma once

#include "engine/engine_state.hpp"
#include "host/vbe.hpp"
#include "ports/event_pump.hpp"
#include "ports/forms_toolkit.hpp"
#include "settings/options.hpp"
#include "settings/prefix_table.hpp"

namespace velmora {

// What a declaration command works with: the engine's values, the settings in force, the
// IDE, the forms and the thread's message processing. All of it is owned elsewhere.
struct DeclareContext {
  Vbe* objVBE = nullptr;
  const Prefixes& prefixes;
  const Options& options;
  EngineState& state;
  FormsToolkit& forms;
  EventPump& pump;
};

} // namespace velmora
