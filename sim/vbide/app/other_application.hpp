#pragma once

#include <thread>
#include <windows.h>

namespace velmora::sim::vbide {

// Another application's window, on a thread of its own: activating it takes the activation
// away from the IDE's thread, so WM_ACTIVATEAPP reaches every top-level window of the IDE (the
// add-in's hidden ones included), as when the user switches to another program. The window is
// shown only from its activation until it is withdrawn, so that the system never picks it to
// activate when one of the IDE's windows closes.
class OtherApplication {
public:
  OtherApplication();
  ~OtherApplication();
  OtherApplication(const OtherApplication&) = delete;
  OtherApplication& operator=(const OtherApplication&) = delete;

  HWND window() const { return window_; }
  DWORD threadId() const { return threadId_; }
  // Makes its window the foreground window, on its own thread; false when that thread did not
  // answer within `timeout` milliseconds.
  bool activate(DWORD timeout) const;
  // Hides the window again (the activation stays where it is).
  bool withdraw(DWORD timeout) const;

private:
  static constexpr UINT kActivateMessage = WM_APP + 0x42;
  static constexpr UINT kWithdrawMessage = WM_APP + 0x43;
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void run(HANDLE ready);

  std::thread thread_;
  HWND window_ = nullptr;
  DWORD threadId_ = 0;
};

} // namespace velmora::sim::vbide
