#pragma once

#include <windows.h>

namespace velmora::testing {

// A shown top-level window standing for the IDE's main window. While it lives the program stays
// the active application when a dialog closes, as it does inside the IDE; without it the
// program would be deactivated, and the settings form drops its hotkeys on deactivation.
class IdeWindow {
public:
  IdeWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VelmoraDialogsTestIde";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"Microsoft Visual Basic",
                              WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
  }
  ~IdeWindow() { DestroyWindow(window_); }
  IdeWindow(const IdeWindow&) = delete;
  IdeWindow& operator=(const IdeWindow&) = delete;

  HWND window() const { return window_; }

private:
  HWND window_ = nullptr;
};

} // namespace velmora::testing
