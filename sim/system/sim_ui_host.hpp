#pragma once

#include "sim/forms/ui_host.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace velmora::sim {

class SimMessageQueue;
class SimTimers;
class SimWindows;

// The windows and timers of one program, for its forms: top-level windows owned by the program's
// thread and timers that fire when the thread pumps messages. Destroying a window of another
// program (or one that is gone) does nothing.
class SimUiHost final : public UiHost {
public:
  SimUiHost(SimWindows& windows, SimMessageQueue& thread, SimTimers& timers);

  WindowHandle createWindow(const std::string& title) override;
  void destroyWindow(WindowHandle window) override;
  std::vector<WindowHandle> disableThreadWindows(WindowHandle except) override;
  void enableWindows(const std::vector<WindowHandle>& windows) override;
  int startTimer(std::int32_t intervalMs, std::function<void()> fire) override;
  void stopTimer(int id) override;

private:
  SimWindows& windows_;
  SimMessageQueue& thread_;
  SimTimers& timers_;
};

} // namespace velmora::sim
