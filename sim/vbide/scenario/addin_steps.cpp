#include "sim/vbide/app/addin_host.hpp"
#include "sim/vbide/app/ide_window.hpp"
#include "sim/vbide/objects/dispatch_object.hpp"
#include "sim/vbide/objects/vbe_world.hpp"
#include "sim/vbide/scenario/scenario_steps.hpp"
#include "sim/vbide/scenario/step_failure.hpp"
#include "support/utf.hpp"

// The steps that call into the add-ins: click, connect, disconnect, end-session; expect-toolbar,
// expect-no-toolbar, expect-tooltip, expect-released, quit. A call into an add-in may open a
// dialog and wait in it: these steps then go on once the dialog shows, and the next step that
// reads the IDE waits until the call has returned.
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

void endSessionStep(const ScenarioStep& /*step*/, ScenarioContext& context) {
  // Sent, as the system sends them: the IDE answers inside whatever loop it is in.
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutW(context.ide.window(), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL,
                          context.ide.timeout(), &answer) == 0) {
    throw StepFailure("the IDE did not answer WM_QUERYENDSESSION");
  }
  if (answer == FALSE) {
    throw StepFailure("the IDE refused to end the session");
  }
  if (SendMessageTimeoutW(context.ide.window(), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL,
                          context.ide.timeout(), &answer) == 0) {
    throw StepFailure("the IDE did not answer WM_ENDSESSION");
  }
}

void expectNoToolbarStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::u16string name = fromUtf8(step.arguments[0]);
  std::shared_ptr<VbeWorld> world = context.world;
  context.ide.call([world, name] {
    for (const auto& bar : world->bars->bars()) {
      if (bar->name == name || bar->nameLocal == name) {
        throw StepFailure("a bar \"" + toUtf8(name) + "\" is still there");
      }
    }
    return std::string();
  });
}

void expectReleasedStep(const ScenarioStep& /*step*/, ScenarioContext& context) {
  context.ide.call([] {
    // The IDE keeps its root object for the add-ins it may load; every other one has gone.
    const long live = DispatchObject::liveCount();
    if (live != 1) {
      throw StepFailure(std::to_string(live - 1) + " automation object(s) of the IDE still held");
    }
    return std::string();
  });
}

void expectToolbarStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::u16string name = fromUtf8(step.arguments[0]);
  const std::string& wanted = step.arguments[1];
  std::shared_ptr<VbeWorld> world = context.world;
  context.ide.call([world, name, wanted] {
    int bars = 0;
    std::size_t controls = 0;
    bool visible = false;
    for (const auto& bar : world->bars->bars()) {
      if (bar->name == name || bar->nameLocal == name) {
        ++bars;
        controls = bar->controls.size();
        visible = bar->visible;
      }
    }
    const std::string found = std::to_string(bars) + " bar(s), the last with " +
                              std::to_string(controls) + " control(s)" +
                              (visible ? "" : ", hidden");
    if (bars != 1 || !visible || std::to_string(controls) != wanted) {
      throw StepFailure("wanted one visible bar \"" + toUtf8(name) + "\" with " + wanted +
                        " controls, found " + found);
    }
    return std::string();
  });
}

void expectTooltipStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::u16string caption = fromUtf8(step.arguments[0]);
  const std::u16string wanted = fromUtf8(step.arguments[1]);
  std::shared_ptr<VbeWorld> world = context.world;
  context.ide.call([world, caption, wanted] {
    for (const auto& bar : world->bars->bars()) {
      for (const auto& control : bar->controls) {
        if (control->caption == caption) {
          if (control->tooltipText != wanted) {
            throw StepFailure("the tooltip of \"" + toUtf8(caption) + "\" is \"" +
                              toUtf8(control->tooltipText) + "\"");
          }
          return std::string();
        }
      }
    }
    throw StepFailure("no button \"" + toUtf8(caption) + "\"");
  });
}

void quitStep(const ScenarioStep& /*step*/, ScenarioContext& context) {
  context.quitRequested = true;
}

} // namespace velmora::sim::vbide
