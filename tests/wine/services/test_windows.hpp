#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::testing {

// What the window procedure of a test window saw, in order.
struct SeenMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The procedure that test windows are born with: it records every message and answers
// kEchoMessage with twice its lParam.
inline constexpr UINT kEchoMessage = WM_APP + 7;

inline std::vector<SeenMessage>& originalSaw() {
  static std::vector<SeenMessage> seen;
  return seen;
}

inline LRESULT CALLBACK recordingProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  originalSaw().push_back({window, message, wParam, lParam});
  if (message == kEchoMessage) {
    return lParam * 2;
  }
  return IsWindowUnicode(window) != FALSE ? DefWindowProcW(window, message, wParam, lParam)
                                          : DefWindowProcA(window, message, wParam, lParam);
}

inline bool originalSawMessage(UINT message) {
  for (const SeenMessage& seen : originalSaw()) {
    if (seen.message == message) {
      return true;
    }
  }
  return false;
}

// A hidden top-level window of a class with the recording procedure: a Unicode window, or an
// ANSI one (registered and created through the A functions).
class TestWindow {
public:
  explicit TestWindow(bool unicode = true) {
    if (unicode) {
      WNDCLASSW windowClass{};
      windowClass.lpfnWndProc = recordingProcedure;
      windowClass.hInstance = GetModuleHandleW(nullptr);
      windowClass.lpszClassName = L"VelmoraServicesTestW";
      RegisterClassW(&windowClass);
      window_ = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                100, nullptr, nullptr, windowClass.hInstance, nullptr);
    } else {
      WNDCLASSA windowClass{};
      windowClass.lpfnWndProc = recordingProcedure;
      windowClass.hInstance = GetModuleHandleW(nullptr);
      windowClass.lpszClassName = "VelmoraServicesTestA";
      RegisterClassA(&windowClass);
      window_ = CreateWindowExA(0, windowClass.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                100, nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    originalSaw().clear();
  }
  ~TestWindow() {
    if (window_ != nullptr) {
      DestroyWindow(window_);
    }
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND get() const { return window_; }
  std::uintptr_t handle() const { return reinterpret_cast<std::uintptr_t>(window_); }
  // Destroyed by the test itself.
  void destroy() {
    DestroyWindow(window_);
    window_ = nullptr;
  }

private:
  HWND window_ = nullptr;
};

// Dispatches the thread's messages until `done` says so or the generous bound runs out;
// whether `done` held in the end.
inline bool pumpUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds bound = std::chrono::seconds(20)) {
  const auto deadline = std::chrono::steady_clock::now() + bound;
  MSG message{};
  while (!done()) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
      if (done()) {
        return true;
      }
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      return done();
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
  }
  return true;
}

} // namespace velmora::testing
