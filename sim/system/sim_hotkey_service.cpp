#include "sim/system/sim_hotkey_service.hpp"

#include "sim/system/sim_errors.hpp"
#include "sim/system/sim_hotkeys.hpp"
#include "sim/system/sim_windows.hpp"

namespace velmora::sim {

SimHotkeyService::SimHotkeyService(SimHotkeyTable& table, const SimWindows& windows,
                                   SimMessageQueue& thread)
    : table_(table), windows_(windows), thread_(thread) {}

bool SimHotkeyService::registerHotKey(WindowHandle window, std::int32_t id, std::int32_t modifiers,
                                      std::int32_t key) {
  if (const std::uint32_t error = checkWindow(window); error != kErrorSuccess) {
    return done(error);
  }
  return done(table_.add(thread_, window, id, modifiers, key));
}

bool SimHotkeyService::unregisterHotKey(WindowHandle window, std::int32_t id) {
  if (const std::uint32_t error = checkWindow(window); error != kErrorSuccess) {
    return done(error);
  }
  return done(table_.remove(thread_, window, id));
}

std::uint32_t SimHotkeyService::checkWindow(WindowHandle window) const {
  if (window == 0) {
    return kErrorSuccess;
  }
  const SimMessageQueue* owner = windows_.owner(window);
  if (owner == nullptr) {
    return kErrorInvalidWindowHandle;
  }
  return owner == &thread_ ? kErrorSuccess : kErrorWindowOfOtherThread;
}

bool SimHotkeyService::done(std::uint32_t error) {
  lastError_ = error;
  return error == kErrorSuccess;
}

} // namespace velmora::sim
