#include "sim/vbide/app/other_application.hpp"

#include "forms/handle_cast.hpp"

namespace velmora::sim::vbide {

namespace {

constexpr wchar_t kClassName[] = L"VbideSimOtherApplication";

} // namespace

OtherApplication::OtherApplication() {
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  thread_ = std::thread([this, ready] { run(ready); });
  WaitForSingleObject(ready, INFINITE);
  CloseHandle(ready);
}

OtherApplication::~OtherApplication() {
  if (window_ != nullptr) {
    PostMessageW(window_, WM_CLOSE, 0, 0);
  } else if (threadId_ != 0) {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  }
  if (thread_.joinable()) {
    thread_.join();
  }
}

void OtherApplication::run(HANDLE ready) {
  threadId_ = GetCurrentThreadId();
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &OtherApplication::procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  windowClass.hbrBackground = win32::fromInteger<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, kClassName, L"別のアプリケーション", WS_OVERLAPPEDWINDOW, 40, 40,
                            320, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  // The queue exists now (the window made it), so a quit posted to the thread is not lost.
  SetEvent(ready);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  window_ = nullptr;
  UnregisterClassW(kClassName, GetModuleHandleW(nullptr));
}

bool OtherApplication::activate(DWORD timeout) const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window_, kActivateMessage, 0, 0, SMTO_NORMAL, timeout, &result) != 0;
}

bool OtherApplication::withdraw(DWORD timeout) const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window_, kWithdrawMessage, 0, 0, SMTO_NORMAL, timeout, &result) != 0;
}

LRESULT CALLBACK OtherApplication::procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == kWithdrawMessage) {
    ShowWindow(window, SW_HIDE);
    return 0;
  }
  if (message == kActivateMessage) {
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    SetFocus(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace velmora::sim::vbide
