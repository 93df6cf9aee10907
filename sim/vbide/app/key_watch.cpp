#include "sim/vbide/app/key_watch.hpp"

#include "forms/handle_cast.hpp"

namespace velmora::sim::vbide {

namespace {

std::atomic<KeyWatch*> instance{nullptr};

} // namespace

KeyWatch::KeyWatch() : seen_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  instance = this;
}

KeyWatch::~KeyWatch() {
  instance = nullptr;
  for (HHOOK each : hooks_) {
    UnhookWindowsHookEx(each);
  }
  CloseHandle(seen_);
}

bool KeyWatch::watchThread(DWORD threadId) {
  HHOOK installed = SetWindowsHookExW(WH_GETMESSAGE, &KeyWatch::hook, nullptr, threadId);
  if (installed == nullptr) {
    return false;
  }
  hooks_.push_back(installed);
  return true;
}

void KeyWatch::arm(UINT virtualKey) {
  ResetEvent(seen_);
  armed_ = virtualKey;
}

bool KeyWatch::wait(DWORD timeout) {
  const bool seen = WaitForSingleObject(seen_, timeout) == WAIT_OBJECT_0;
  armed_ = 0;
  return seen;
}

LRESULT CALLBACK KeyWatch::hook(int code, WPARAM wParam, LPARAM lParam) {
  KeyWatch* watch = instance;
  if (watch != nullptr && code == HC_ACTION && wParam == PM_REMOVE) {
    const auto* message = win32::fromInteger<const MSG*>(lParam);
    const bool release = message->message == WM_KEYUP || message->message == WM_SYSKEYUP;
    const UINT armed = watch->armed_;
    if (release && armed != 0 && message->wParam == armed &&
        static_cast<ULONG_PTR>(GetMessageExtraInfo()) == kMarker) {
      SetEvent(watch->seen_);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace velmora::sim::vbide
