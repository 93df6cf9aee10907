#pragma once

#include <cstdint>

namespace velmora {

// The form whose window owns the hotkeys, as its hooked window procedure reaches it.
class HotKeyForm {
public:
  virtual ~HotKeyForm() = default;

  // Runs the declaration command of slot n (1 "Dim" to 4 "Bas"); any other n does nothing.
  virtual void HotKeyProc(std::int16_t n) = 0;
  // The application became active: the form's timer registers the hotkeys again shortly.
  virtual void EnableTimer1() = 0;
  // The application is no longer active: nothing may register the hotkeys until it is again.
  virtual void StopReRegistration() = 0;
};

} // namespace velmora
