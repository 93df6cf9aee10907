#pragma once

#include "host/command_run.hpp"
#include "ports/event_pump.hpp"
#include "ports/forms_toolkit.hpp"

#include <functional>
#include <memory>

namespace velmora {

// One command at a time. The declaration commands (toolbar buttons and hotkeys) and the settings
// dialog run as commands through the guard. While one runs (a dialog or message box of it open,
// or the blink dispatching messages), any other that arrives is ignored: the modal loops keep
// dispatching posted messages (hotkeys, timers), so the forms' modality alone does not stop a
// hotkey.
//
// The add-in's disconnection may arrive inside the running command (the host calls it from a
// message that a dialog's loop dispatches). It abandons the command (see CommandRun): the dialog
// ends, and the command shows and writes nothing more.
class CommandGuard {
public:
  // The command: it shows its forms and pumps messages through what it is handed.
  using Body = std::function<void(FormsToolkit& forms, EventPump& pump)>;
  // Keeps alive, for as long as its result is held, what a running command stands on.
  using Hold = std::function<std::shared_ptr<const void>()>;

  CommandGuard() = default;
  CommandGuard(const CommandGuard&) = delete;
  CommandGuard& operator=(const CommandGuard&) = delete;

  // Runs `body` as the running command, unless one runs already: then it returns false at once
  // and nothing happens. An abandoned command ends here quietly; errors pass.
  bool run(FormsToolkit& forms, EventPump& pump, const Body& body);
  bool running() const { return current_ != nullptr; }
  // Abandons the running command, if any.
  void abandon();

  // What must outlive a running command although its owner may let go of it while the command
  // waits (the host releasing the add-in inside a dialog): `hold` is called as each command
  // begins and its result dropped as the command ends, after the guard was last touched.
  void holdWhileRunning(Hold hold) { hold_ = std::move(hold); }

private:
  CommandRun* current_ = nullptr;
  Hold hold_;
};

} // namespace velmora
