#pragma once

#include "ports/window_handle.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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

  // Modality: disables every enabled top-level window of the thread but `except` (0: none) and
  // returns them, for enableWindows to enable again once the modal window has gone.
  virtual std::vector<WindowHandle> disableThreadWindows(WindowHandle except) = 0;
  virtual void enableWindows(const std::vector<WindowHandle>& windows) = 0;

  // Starts a repeating timer that calls `fire` every `intervalMs` of simulated time;
  // returns its id (never 0).
  virtual int startTimer(std::int32_t intervalMs, std::function<void()> fire) = 0;
  virtual void stopTimer(int id) = 0;
};

} // namespace velmora::sim
