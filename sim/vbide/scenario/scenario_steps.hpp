#pragma once

#include "sim/vbide/scenario/scenario_context.hpp"
#include "sim/vbide/scenario/scenario_script.hpp"

#include <string_view>

namespace velmora::sim::vbide {

// A scenario command: how many arguments it takes and what it does. A step that does not do
// what it says throws StepFailure.
struct StepCommand {
  const char* name;
  int minArguments;
  int maxArguments;
  void (*run)(const ScenarioStep& step, ScenarioContext& context);
};

// The command of that name, or null.
const StepCommand* findCommand(std::string_view name);

// The commands, by what they deal with.
void openStep(const ScenarioStep& step, ScenarioContext& context);
void caretStep(const ScenarioStep& step, ScenarioContext& context);
void dumpStep(const ScenarioStep& step, ScenarioContext& context);
void expectLineStep(const ScenarioStep& step, ScenarioContext& context);

void clickStep(const ScenarioStep& step, ScenarioContext& context);
void connectStep(const ScenarioStep& step, ScenarioContext& context);
void disconnectStep(const ScenarioStep& step, ScenarioContext& context);
void endSessionStep(const ScenarioStep& step, ScenarioContext& context);
void quitStep(const ScenarioStep& step, ScenarioContext& context);
void expectToolbarStep(const ScenarioStep& step, ScenarioContext& context);
void expectTooltipStep(const ScenarioStep& step, ScenarioContext& context);
void expectNoToolbarStep(const ScenarioStep& step, ScenarioContext& context);
void expectReleasedStep(const ScenarioStep& step, ScenarioContext& context);

void waitWindowStep(const ScenarioStep& step, ScenarioContext& context);
void typeStep(const ScenarioStep& step, ScenarioContext& context);
void pressButtonStep(const ScenarioStep& step, ScenarioContext& context);
void closeStep(const ScenarioStep& step, ScenarioContext& context);
void answerMessageStep(const ScenarioStep& step, ScenarioContext& context);

void expectEnabledStep(const ScenarioStep& step, ScenarioContext& context);
void expectDisabledStep(const ScenarioStep& step, ScenarioContext& context);
void expectActiveStep(const ScenarioStep& step, ScenarioContext& context);
void expectDialogsStep(const ScenarioStep& step, ScenarioContext& context);

void keyStep(const ScenarioStep& step, ScenarioContext& context);
void enterStep(const ScenarioStep& step, ScenarioContext& context);
void escStep(const ScenarioStep& step, ScenarioContext& context);
void typeKeysStep(const ScenarioStep& step, ScenarioContext& context);
void mouseClickStep(const ScenarioStep& step, ScenarioContext& context);
void activateStep(const ScenarioStep& step, ScenarioContext& context);
void deactivateStep(const ScenarioStep& step, ScenarioContext& context);
void waitHotkeyStep(const ScenarioStep& step, ScenarioContext& context);
void holdHotkeyStep(const ScenarioStep& step, ScenarioContext& context);
void releaseHotkeyStep(const ScenarioStep& step, ScenarioContext& context);
void expectHotkeyFreeStep(const ScenarioStep& step, ScenarioContext& context);

void screenshotStep(const ScenarioStep& step, ScenarioContext& context);

} // namespace velmora::sim::vbide
