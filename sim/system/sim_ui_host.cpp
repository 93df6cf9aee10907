#include "sim/system/sim_ui_host.hpp"

#include "sim/system/sim_timers.hpp"
#include "sim/system/sim_windows.hpp"

#include <utility>

namespace velmora::sim {

SimUiHost::SimUiHost(SimWindows& windows, SimMessageQueue& thread, SimTimers& timers)
    : windows_(windows), thread_(thread), timers_(timers) {}

WindowHandle SimUiHost::createWindow(const std::string& title) {
  return windows_.create(thread_, title);
}

void SimUiHost::destroyWindow(WindowHandle window) {
  if (windows_.owner(window) == &thread_) {
    windows_.destroy(window);
  }
}

std::vector<WindowHandle> SimUiHost::disableThreadWindows(WindowHandle except) {
  std::vector<WindowHandle> disabled;
  for (const WindowHandle window : windows_.topLevelWindows(thread_)) {
    if (window != except && windows_.isEnabled(window)) {
      windows_.setEnabled(window, false);
      disabled.push_back(window);
    }
  }
  return disabled;
}

void SimUiHost::enableWindows(const std::vector<WindowHandle>& windows) {
  for (const WindowHandle window : windows) {
    windows_.setEnabled(window, true); // nothing for a window that has gone meanwhile
  }
}

int SimUiHost::startTimer(std::int32_t intervalMs, std::function<void()> fire) {
  return timers_.start(intervalMs, std::move(fire));
}

void SimUiHost::stopTimer(int id) {
  timers_.stop(id);
}

} // namespace velmora::sim
