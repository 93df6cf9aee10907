#include "services/win32_hotkey_service.hpp"

#include "services/handle_values.hpp"

#include <windows.h>

namespace velmora::win32 {

bool Win32HotkeyService::registerHotKey(WindowHandle window, std::int32_t id,
                                        std::int32_t modifiers, std::int32_t key) {
  return done(RegisterHotKey(windowFromHandle(window), id, static_cast<UINT>(modifiers),
                             static_cast<UINT>(key)) != FALSE);
}

bool Win32HotkeyService::unregisterHotKey(WindowHandle window, std::int32_t id) {
  return done(UnregisterHotKey(windowFromHandle(window), id) != FALSE);
}

bool Win32HotkeyService::done(bool succeeded) {
  lastError_ = succeeded ? 0 : GetLastError();
  return succeeded;
}

} // namespace velmora::win32
