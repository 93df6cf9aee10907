#pragma once

#include "engine/engine_state.hpp"
#include "host/command_guard.hpp"
#include "host/toolbar_buttons.hpp"
#include "host/vbe.hpp"
#include "hotkey/hot_key.hpp"
#include "hotkey/hot_key_hook.hpp"
#include "settings/options.hpp"
#include "settings/prefix_table.hpp"

#include <memory>

namespace velmora {

class SettingsForm;

// The library-wide state: one copy per loaded library, zeroed at load, owned by the library and
// handed by reference to the parts that need it.
struct AddinState {
  AddinState();
  ~AddinState();
  AddinState(const AddinState&) = delete;
  AddinState& operator=(const AddinState&) = delete;

  std::shared_ptr<Vbe> objVBE;
  Options options;
  Prefixes prefixes;
  EngineState engine;
  HotKeys hotKeys;
  HotKeyHook hook;
  ToolbarButtons buttons;
  CommandGuard commands; // the command running, one at a time
  // The settings form, while loaded; a command showing it keeps it until the showing returns.
  std::shared_ptr<SettingsForm> frmVelmora;
};

} // namespace velmora
