#pragma once

#include "forms/message_box_finder.hpp"

namespace velmora::testing {

// Watches this thread for message boxes while it lives: each box is noted as it is activated
// and answered with OK (posted, so that the box's own loop takes it).
class MessageBoxWatcher {
public:
  MessageBoxWatcher() {
    current() = this;
    hook_ = SetWindowsHookExW(WH_CBT, &MessageBoxWatcher::hook, nullptr, GetCurrentThreadId());
  }
  ~MessageBoxWatcher() {
    UnhookWindowsHookEx(hook_);
    current() = nullptr;
  }
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  std::vector<MessageBoxSeen> seen;

private:
  static MessageBoxWatcher*& current() {
    static MessageBoxWatcher* watcher = nullptr;
    return watcher;
  }

  static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam) {
    MessageBoxWatcher* self = current();
    if (code == HCBT_ACTIVATE && self != nullptr) {
      const auto window = win32::fromInteger<HWND>(wParam);
      wchar_t className[16] = {};
      GetClassNameW(window, className, 16);
      if (lstrcmpW(className, L"#32770") == 0) {
        self->seen.push_back(describeMessageBox(window));
        PostMessageW(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  HHOOK hook_ = nullptr;
};

} // namespace velmora::testing
