#pragma once

#include "ports/window_handle.hpp"

#include <cstdint>
#include <functional>
#include <string>

namespace velmora::sim {

// What the scripted forms toolkit needs from the simulated system: windows for its forms
// (so that their procedures can be replaced and messages reach them) and timers for its timer
// controls. The simulated Windows services implement it; a plain counter does for tests that
// need neither.
class UiHost {
public:
  virtual ~UiHost() = default;

  virtual WindowHandle createWindow(const std::string& title) = 0;
  virtual void destroyWindow(WindowHandle window) = 0;

  // Starts a repeating timer that calls `fire` every `intervalMs` of simulated time;
  // returns its id (never 0).
  virtual int startTimer(std::int32_t intervalMs, std::function<void()> fire) = 0;
  virtual void stopTimer(int id) = 0;
};

} // namespace velmora::sim
