#include "host/command_guard.hpp"

#include "host/command_forms.hpp"
#include "host/command_pump.hpp"

namespace velmora {

namespace {

// Marks the run as the guard's current one for the scope's lifetime.
class Current {
public:
  Current(CommandRun*& current, CommandRun& run) : current_(current) { current_ = &run; }
  ~Current() { current_ = nullptr; }
  Current(const Current&) = delete;
  Current& operator=(const Current&) = delete;

private:
  CommandRun*& current_;
};

} // namespace

bool CommandGuard::run(FormsToolkit& forms, EventPump& pump, const Body& body) {
  if (current_ != nullptr) {
    return false;
  }
  // Taken first and dropped last: the guard itself may belong to what it holds.
  const std::shared_ptr<const void> held = hold_ ? hold_() : nullptr;
  {
    CommandRun run;
    const Current current(current_, run);
    CommandForms runForms(forms, run);
    CommandPump runPump(pump, run);
    try {
      body(runForms, runPump);
    } catch (const CommandAbandoned&) {
      // Disconnected meanwhile: nothing more to do.
    }
  }
  return true;
}

void CommandGuard::abandon() {
  if (current_ != nullptr) {
    current_->abandon();
  }
}

} // namespace velmora
