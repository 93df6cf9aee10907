#include "sim/vbide/app/addin_host.hpp"
#include "sim/vbide/app/ide_window.hpp"
#include "sim/vbide/scenario/scenario_steps.hpp"
#include "sim/vbide/scenario/step_failure.hpp"
#include "support/utf.hpp"

// The steps that call into the add-ins: click, connect, disconnect; and quit. A call into an
// add-in may open a dialog and wait in it, so these steps hand the call over and go on at once;
// the next step that reads the IDE waits until the call has returned. Their outcome is logged.
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
  context.ide.post([window, caption] {
    if (auto control = window->toolbar().findByCaption(caption)) {
      window->click(control);
    }
    return std::string();
  });
}

void connectStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::string progId = step.arguments.empty() ? std::string() : step.arguments[0];
  AddinHost* addins = context.addins;
  context.ide.post([addins, progId] {
    addins->connect(progId);
    return std::string();
  });
}

void disconnectStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::string progId = step.arguments.empty() ? std::string() : step.arguments[0];
  AddinHost* addins = context.addins;
  context.ide.post([addins, progId] {
    addins->disconnect(progId);
    return std::string();
  });
}

void quitStep(const ScenarioStep& /*step*/, ScenarioContext& context) {
  context.quitRequested = true;
}

} // namespace velmora::sim::vbide
