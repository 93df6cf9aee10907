#include "sim/vbide/scenario/scenario_steps.hpp"

#include <array>

namespace velmora::sim::vbide {

const StepCommand* findCommand(std::string_view name) {
  static constexpr std::array<StepCommand, 34> commands = {{
      {"open", 1, 1, &openStep},
      {"caret", 2, 3, &caretStep},
      {"dump", 1, 1, &dumpStep},
      {"expect-line", 3, 3, &expectLineStep},
      {"click", 1, 1, &clickStep},
      {"connect", 0, 1, &connectStep},
      {"disconnect", 0, 1, &disconnectStep},
      {"quit", 0, 0, &quitStep},
      {"expect-toolbar", 2, 2, &expectToolbarStep},
      {"wait-window", 1, 1, &waitWindowStep},
      {"type", 2, 2, &typeStep},
      {"press-button", 1, 1, &pressButtonStep},
      {"close", 0, 0, &closeStep},
      {"answer-message", 1, 2, &answerMessageStep},
      {"key", 1, 1, &keyStep},
      {"enter", 0, 0, &enterStep},
      {"esc", 0, 0, &escStep},
      {"activate", 0, 0, &activateStep},
      {"deactivate", 0, 0, &deactivateStep},
      {"wait-hotkey", 1, 1, &waitHotkeyStep},
      {"screenshot", 1, 1, &screenshotStep},
      {"expect-tooltip", 2, 2, &expectTooltipStep},
      {"hold-hotkey", 1, 1, &holdHotkeyStep},
      {"release-hotkey", 1, 1, &releaseHotkeyStep},
      {"expect-hotkey-free", 1, 1, &expectHotkeyFreeStep},
      {"type-keys", 1, 1, &typeKeysStep},
      {"mouse-click", 1, 1, &mouseClickStep},
      {"expect-enabled", 0, 1, &expectEnabledStep},
      {"expect-disabled", 0, 1, &expectDisabledStep},
      {"expect-active", 0, 1, &expectActiveStep},
      {"expect-dialogs", 1, 1, &expectDialogsStep},
      {"end-session", 0, 0, &endSessionStep},
      {"expect-no-toolbar", 1, 1, &expectNoToolbarStep},
      {"expect-released", 0, 0, &expectReleasedStep},
  }};
  for (const StepCommand& command : commands) {
    if (name == command.name) {
      return &command;
    }
  }
  return nullptr;
}

} // namespace velmora::sim::vbide
