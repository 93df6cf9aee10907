#pragma once

#include <atomic>
#include <windows.h>

namespace velmora::sim::vbide {

// How often the IDE became the active application and stopped being it (WM_ACTIVATEAPP
// reaching its main window), readable from any thread.
struct ActivationLog {
  std::atomic<int> activated{0};
  std::atomic<int> deactivated{0};
};

} // namespace velmora::sim::vbide
