#include "sim/system/sim_program.hpp"

#include "sim/system/sim_windows.hpp"

#include <utility>

namespace velmora::sim {

SimProgram::SimProgram(std::string name, std::uint32_t threadId, SimClock& clock,
                       SimWindows& windows, SimHotkeyTable& hotkeys)
    : name_(std::move(name)), windows_(windows), queue_(windows, threadId), timers_(clock),
      pump_(clock, queue_, timers_), hotkeys_(hotkeys, windows, queue_),
      procedures_(windows, queue_), ui_(windows, queue_, timers_) {}

void SimProgram::activate(bool active) {
  // A window destroyed by an earlier one's handler is skipped (send ignores it).
  for (const WindowHandle window : windows_.topLevelWindows(queue_)) {
    windows_.send({window, kWmActivateApp, active ? 1U : 0U, 0});
  }
}

} // namespace velmora::sim
