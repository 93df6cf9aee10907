#pragma once

#include "sim/system/sim_clock.hpp"
#include "sim/system/sim_event_pump.hpp"
#include "sim/system/sim_hotkey_service.hpp"
#include "sim/system/sim_message_queue.hpp"
#include "sim/system/sim_timers.hpp"
#include "sim/system/sim_ui_host.hpp"
#include "sim/system/sim_window_procedures.hpp"

#include <cstdint>
#include <string>

namespace velmora::sim {

class SimHotkeyTable;
class SimWindows;

// One simulated program with its single user-interface thread: its message queue and timers,
// and the system services as that program sees them.
class SimProgram {
public:
  SimProgram(std::string name, std::uint32_t threadId, SimClock& clock, SimWindows& windows,
             SimHotkeyTable& hotkeys);
  SimProgram(const SimProgram&) = delete;
  SimProgram& operator=(const SimProgram&) = delete;

  const std::string& name() const { return name_; }
  std::uint32_t threadId() const { return queue_.threadId(); }

  SimMessageQueue& queue() { return queue_; }
  SimTimers& timers() { return timers_; }
  SimEventPump& pump() { return pump_; }
  SimHotkeyService& hotkeys() { return hotkeys_; }
  SimWindowProcedures& procedures() { return procedures_; }
  SimUiHost& ui() { return ui_; }

  // The program becomes the active application (or stops being it): WM_ACTIVATEAPP, wParam 1 or
  // 0, lParam 0, is sent to each of its top-level windows, hidden ones too, oldest first.
  void activate(bool active);

private:
  std::string name_;
  SimWindows& windows_;
  SimMessageQueue queue_;
  SimTimers timers_;
  SimEventPump pump_;
  SimHotkeyService hotkeys_;
  SimWindowProcedures procedures_;
  SimUiHost ui_;
};

} // namespace velmora::sim
