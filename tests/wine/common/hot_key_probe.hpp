#pragma once

#include <cstdint>
#include <windows.h>

namespace velmora::testing {

// Whether another program could have the combination now: registers it for this thread and lets
// go of it at once. 0 when it was free, else the system's error (1409 while someone holds it).
inline DWORD registrationError(UINT modifiers, UINT key) {
  constexpr int kProbeId = 0xBF00;
  if (RegisterHotKey(nullptr, kProbeId, modifiers, key) != FALSE) {
    UnregisterHotKey(nullptr, kProbeId);
    return 0;
  }
  return GetLastError();
}

inline constexpr DWORD kHotKeyAlreadyRegistered = ERROR_HOTKEY_ALREADY_REGISTERED; // 1409
inline constexpr UINT kCtrlShift = MOD_CONTROL | MOD_SHIFT;

// Holds a combination for this thread, as another program would, while it lives.
class HeldHotKey {
public:
  HeldHotKey(UINT modifiers, UINT key)
      : held_(RegisterHotKey(nullptr, kHeldId, modifiers, key) != FALSE) {}
  ~HeldHotKey() {
    if (held_) {
      UnregisterHotKey(nullptr, kHeldId);
    }
  }
  HeldHotKey(const HeldHotKey&) = delete;
  HeldHotKey& operator=(const HeldHotKey&) = delete;

  bool held() const { return held_; }

private:
  static constexpr int kHeldId = 0xBF01;
  bool held_;
};

} // namespace velmora::testing
