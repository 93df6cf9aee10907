#pragma once

#include "ports/event_pump.hpp"

#include <windows.h>

namespace velmora::win32 {

// The calling thread's message queue, worked the way a message loop works it. Keyboard messages
// of a dialog (a top-level window of the system's dialog class, or of `formClass`, the class of
// the forms toolkit's windows) get the dialog treatment (IsDialogMessageW), so that Tab, Enter
// and Esc keep working in a dialog that is open while the queue is worked from outside its loop.
class Win32EventPump final : public EventPump {
public:
  explicit Win32EventPump(ATOM formClass = 0) : formClass_(formClass) {}

  // Dispatches the pending messages and returns once the queue is empty. A WM_QUIT stops it and
  // is posted again for the loop outside. A queue that never runs dry (a window that keeps
  // posting to itself, a paint that never validates) is left after a bounded number of
  // messages rather than holding the thread for ever.
  void doEvents() override;
  void sleep(std::uint32_t milliseconds) override;

private:
  HWND dialogOf(HWND window) const;

  ATOM formClass_;
};

} // namespace velmora::win32
