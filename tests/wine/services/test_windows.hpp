#pragma once

#include "ports/window_handle.hpp"

#include <algorithm>
#include <vector>
#include <windows.h>

namespace velmora::testing {

struct SeenMessage {
  UINT message;
  WPARAM wParam;
};

// The procedure test windows are born with: it notes every message in `originalSaw` and answers
// kEchoMessage with twice its lParam.
inline constexpr UINT kEchoMessage = WM_APP + 7;

inline std::vector<SeenMessage>& originalSaw() {
  static std::vector<SeenMessage> seen;
  return seen;
}

inline LRESULT CALLBACK recordingProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  originalSaw().push_back({message, wParam});
  if (message == kEchoMessage) {
    return lParam * 2;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

inline bool originalSawMessage(UINT message) {
  return std::any_of(originalSaw().begin(), originalSaw().end(),
                     [message](const SeenMessage& seen) { return seen.message == message; });
}

// A hidden top-level window with the recording procedure.
class TestWindow {
public:
  TestWindow()
      : window_(CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, nullptr, nullptr)) {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&recordingProcedure));
    originalSaw().clear();
  }
  ~TestWindow() { DestroyWindow(window_); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND get() const { return window_; }
  WindowHandle handle() const { return reinterpret_cast<WindowHandle>(window_); }
  void destroy() {
    DestroyWindow(window_);
    window_ = nullptr;
  }

private:
  HWND window_;
};

} // namespace velmora::testing
