#include "sim/vbide/app/console_log.hpp"
#include "sim/vbide/app/other_application.hpp"
#include "sim/vbide/scenario/poll.hpp"
#include "sim/vbide/scenario/scenario_steps.hpp"
#include "sim/vbide/scenario/step_failure.hpp"
#include "sim/vbide/scenario/window_search.hpp"
#include "support/utf.hpp"

#include <commctrl.h>

// The steps that look at the state of the IDE's windows from outside, as the user sees it:
// expect-enabled, expect-disabled, expect-active, expect-dialogs. They read the windows from the
// scenario's thread, so they work while an add-in's dialog runs its own message loop.
namespace velmora::sim::vbide {

namespace {

// The window a step names: the IDE's main window, or the visible window of that caption.
HWND namedWindow(const ScenarioStep& step, const ScenarioContext& context) {
  if (step.arguments.empty()) {
    return context.ide.window();
  }
  const std::u16string caption = fromUtf8(step.arguments[0]);
  HWND found = findTopLevel(std::wstring(caption.begin(), caption.end()));
  if (found == nullptr) {
    throw StepFailure("no window \"" + step.arguments[0] + "\"");
  }
  return found;
}

std::string nameOf(const ScenarioStep& step) {
  return step.arguments.empty() ? std::string("the IDE's main window")
                                : "\"" + step.arguments[0] + "\"";
}

// Waits, within the timeout, until the window's enabled state is `enabled`.
void expectEnabled(const ScenarioStep& step, const ScenarioContext& context, bool enabled) {
  HWND window = namedWindow(step, context);
  if (!waitUntil([&] { return (IsWindowEnabled(window) != FALSE) == enabled; },
                 context.ide.timeout())) {
    throw StepFailure(nameOf(step) + (enabled ? " stays disabled" : " stays enabled"));
  }
}

} // namespace

void expectEnabledStep(const ScenarioStep& step, ScenarioContext& context) {
  expectEnabled(step, context, true);
}

void expectDisabledStep(const ScenarioStep& step, ScenarioContext& context) {
  expectEnabled(step, context, false);
}

void expectActiveStep(const ScenarioStep& step, ScenarioContext& context) {
  HWND window = namedWindow(step, context);
  HWND active = nullptr;
  const bool found = waitUntil(
      [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        active = GetGUIThreadInfo(context.ideThread, &info) != FALSE ? info.hwndActive : nullptr;
        return active == window;
      },
      context.ide.timeout());
  if (!found) {
    throw StepFailure(nameOf(step) + " is not the IDE's active window" +
                      (active != nullptr ? ": \"" + utf8Of(windowText(active)) + "\" is" : ""));
  }
}

void expectDialogsStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::string& wanted = step.arguments[0];
  std::string shown;
  int count = 0;
  for (HWND window : visibleTopLevelWindows()) {
    if (window == context.ide.window() || window == context.otherApplication->window() ||
        className(window) == TOOLTIPS_CLASSW) {
      continue;
    }
    ++count;
    shown += " \"" + utf8Of(windowText(window)) + "\"";
  }
  if (std::to_string(count) != wanted) {
    throw StepFailure("wanted " + wanted + " window(s) besides the IDE's, found " +
                      std::to_string(count) + ":" + shown);
  }
}

} // namespace velmora::sim::vbide
