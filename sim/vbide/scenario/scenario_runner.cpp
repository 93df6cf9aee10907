#include "sim/vbide/scenario/scenario_runner.hpp"

#include "sim/vbide/app/console_log.hpp"
#include "sim/vbide/app/ide_request.hpp"
#include "sim/vbide/scenario/scenario_steps.hpp"
#include "sim/vbide/scenario/step_failure.hpp"
#include "sim/vbide/scenario/window_search.hpp"

#include <cstdlib>

namespace velmora::sim::vbide {

ScenarioRunner::ScenarioRunner(std::string name, std::vector<ScenarioStep> steps,
                               ScenarioContext context)
    : name_(std::move(name)), steps_(std::move(steps)), context_(std::move(context)),
      ideEnded_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

ScenarioRunner::~ScenarioRunner() {
  finish();
  CloseHandle(ideEnded_);
}

void ScenarioRunner::start() {
  thread_ = std::thread([this] { run(); });
}

void ScenarioRunner::finish() {
  SetEvent(ideEnded_);
  if (thread_.joinable()) {
    thread_.join();
  }
}

void ScenarioRunner::run() {
  for (const ScenarioStep& step : steps_) {
    logLine("> " + std::to_string(step.line) + ": " + step.text);
    try {
      const StepCommand* command = findCommand(step.command);
      if (command == nullptr) {
        throw StepFailure("unknown command");
      }
      command->run(step, context_);
    } catch (const std::exception& error) {
      logLine(name_ + ":" + std::to_string(step.line) + ": " + step.text +
              ": failed: " + error.what());
      failed_ = true;
      break;
    }
    if (context_.quitRequested) {
      break;
    }
  }
  logLine(failed_ ? "scenario failed" : "scenario passed");
  quitIde();
}

void ScenarioRunner::quitIde() {
  HWND ide = context_.ide.window();
  PostMessageW(ide, WM_CLOSE, 0, 0);
  const DWORD timeout = context_.ide.timeout();
  if (WaitForSingleObject(ideEnded_, timeout) == WAIT_OBJECT_0) {
    return;
  }
  // Still inside a call into an add-in: close what the add-in has open, as the user would.
  for (HWND window : visibleTopLevelWindows()) {
    if (window != ide && window != context_.otherApplication->window()) {
      logIde("closing \"" + utf8Of(windowText(window)) + "\" to quit");
      PostMessageW(window, WM_CLOSE, 0, 0);
    }
  }
  if (WaitForSingleObject(ideEnded_, timeout) == WAIT_OBJECT_0) {
    return;
  }
  logIde("the IDE did not come back from the add-in; ending the process");
  std::fflush(stdout);
  ExitProcess(static_cast<UINT>(failed_ ? 1 : 2));
}

} // namespace velmora::sim::vbide
