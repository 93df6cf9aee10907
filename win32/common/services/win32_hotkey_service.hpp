#pragma once

#include "ports/hotkey_service.hpp"

#include <cstdint>

namespace velmora::win32 {

// System-wide hotkeys (RegisterHotKey / UnregisterHotKey). A combination that another window
// or program holds cannot be registered: the call fails and lastError() says why (1409, the
// hotkey is already registered).
class Win32HotkeyService final : public HotkeyService {
public:
  bool registerHotKey(WindowHandle window, std::int32_t id, std::int32_t modifiers,
                      std::int32_t key) override;
  bool unregisterHotKey(WindowHandle window, std::int32_t id) override;

  // The Windows error of the last call that failed on this object, 0 after a success.
  std::uint32_t lastError() const { return lastError_; }

private:
  bool done(bool succeeded);

  std::uint32_t lastError_ = 0;
};

} // namespace velmora::win32
