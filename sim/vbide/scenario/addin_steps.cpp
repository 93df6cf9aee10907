#include "sim/vbide/app/addin_host.hpp"
#include "sim/vbide/app/ide_window.hpp"
#include "sim/vbide/scenario/scenario_steps.hpp"
#include "sim/vbide/scenario/step_failure.hpp"
#include "support/utf.hpp"

// The steps that call into the add-ins: click, connect, disconnect; and quit. A call into an
// add-in may open a dialog and wait in it: these steps then go on once the dialog shows, and
// the next step that reads the IDE waits until the call has returned.
namespace velmora::sim::vbide {

void clickStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::u16string caption = fromUtf8(step.arguments[0]);
  IdeWindow* window = context.window;
  context.ide.call([window, caption] {
    if (!window->toolbar().findByCaption(caption)) {
      throw StepFailure("no toolbar button \"" + toUtf8(caption) + "\"");
    }
    return std::string();
  });
  context.ide.callUnlessDialog([window, caption] {
    auto control = window->toolbar().findByCaption(caption);
    if (!control) {
      throw StepFailure("the button \"" + toUtf8(caption) + "\" is gone");
    }
    const ClickOutcome outcome = window->click(control);
    if (!outcome.failures.empty()) {
      throw StepFailure("the click's event handler failed: " + toUtf8(outcome.failures.front()));
    }
    return std::string();
  });
}

void connectStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::string progId = step.arguments.empty() ? std::string() : step.arguments[0];
  AddinHost* addins = context.addins;
  context.ide.callUnlessDialog([addins, progId] {
    if (!addins->connect(progId)) {
      throw StepFailure("connecting failed (see the log above)");
    }
    return std::string();
  });
}

void disconnectStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::string progId = step.arguments.empty() ? std::string() : step.arguments[0];
  AddinHost* addins = context.addins;
  context.ide.callUnlessDialog([addins, progId] {
    if (!addins->disconnect(progId)) {
      throw StepFailure("disconnecting failed (see the log above)");
    }
    return std::string();
  });
}

void quitStep(const ScenarioStep& /*step*/, ScenarioContext& context) {
  context.quitRequested = true;
}

} // namespace velmora::sim::vbide
