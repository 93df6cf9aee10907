#include "sim/system/sim_window_procedures.hpp"

#include "sim/system/sim_errors.hpp"
#include "sim/system/sim_windows.hpp"

#include <utility>

namespace velmora::sim {

SimWindowProcedures::SimWindowProcedures(SimWindows& windows, const SimMessageQueue& thread)
    : windows_(windows), thread_(thread) {}

WindowProcedures::Previous SimWindowProcedures::replace(WindowHandle window, Procedure procedure) {
  if (!ownWindow(window)) {
    return 0;
  }
  return windows_.install(window, std::move(procedure));
}

void SimWindowProcedures::restore(WindowHandle window, Previous previous) {
  if (ownWindow(window)) {
    windows_.setCurrent(window, previous);
  }
}

std::intptr_t SimWindowProcedures::callPrevious(Previous previous, const WindowMessage& message) {
  return windows_.call(previous, message);
}

bool SimWindowProcedures::ownWindow(WindowHandle window) {
  const SimMessageQueue* owner = windows_.owner(window);
  if (owner == nullptr) {
    lastError_ = kErrorInvalidWindowHandle;
  } else if (owner != &thread_) {
    lastError_ = kErrorAccessDenied;
  } else {
    lastError_ = kErrorSuccess;
  }
  return lastError_ == kErrorSuccess;
}

} // namespace velmora::sim
