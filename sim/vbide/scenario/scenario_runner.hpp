#pragma once

#include "sim/vbide/scenario/scenario_context.hpp"
#include "sim/vbide/scenario/scenario_script.hpp"

#include <string>
#include <thread>
#include <vector>

namespace velmora::sim::vbide {

// Plays a scenario on a thread of its own, step after step, while the IDE's thread runs its
// message loop (and the add-in's dialogs theirs). The first failing step is printed with its
// line number and text, and ends the scenario. At the end (or at quit) the IDE is asked to quit;
// should it not get there (a dialog still open), the dialogs of the IDE are closed, and in the
// last resort the process ends (exit code 1 after a failed step, else 2).
class ScenarioRunner {
public:
  ScenarioRunner(std::string name, std::vector<ScenarioStep> steps, ScenarioContext context);
  ~ScenarioRunner();
  ScenarioRunner(const ScenarioRunner&) = delete;
  ScenarioRunner& operator=(const ScenarioRunner&) = delete;

  void start();
  // The IDE's loop has ended; waits for the scenario's thread.
  void finish();
  // 0 when every step did what it says, 1 otherwise.
  int result() const { return failed_ ? 1 : 0; }

private:
  void run();
  void quitIde();

  std::string name_;
  std::vector<ScenarioStep> steps_;
  ScenarioContext context_;
  std::thread thread_;
  HANDLE ideEnded_;
  bool failed_ = false;
};

} // namespace velmora::sim::vbide
