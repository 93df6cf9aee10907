#pragma once

#include "ports/atom_table.hpp"
#include "ports/event_pump.hpp"
#include "ports/hotkey_service.hpp"
#include "ports/window_procedure.hpp"

namespace velmora {

// The system services the hotkeys work through; all of them are owned elsewhere.
struct HotKeyPorts {
  AtomTable& atoms;
  HotkeyService& hotkeys;
  WindowProcedures& procedures;
  EventPump& pump;
};

} // namespace velmora
