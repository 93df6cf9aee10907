#include "services/win32_event_pump.hpp"

namespace velmora::win32 {

namespace {

// Far more than a queue holds in ordinary use; reached only by a queue that refills itself.
constexpr int kMostMessagesAtOnce = 10000;

// The atom of the system's dialog class, "#32770" (WC_DIALOG).
constexpr ATOM kSystemDialogClass = 0x8002;

} // namespace

HWND Win32EventPump::dialogOf(HWND window) const {
  if (window == nullptr) {
    return nullptr;
  }
  HWND root = GetAncestor(window, GA_ROOT);
  if (root == nullptr) {
    return nullptr;
  }
  const auto atom = static_cast<ATOM>(GetClassLongPtrW(root, GCW_ATOM));
  const bool dialog = atom == kSystemDialogClass || (formClass_ != 0 && atom == formClass_);
  return dialog ? root : nullptr;
}

void Win32EventPump::doEvents() {
  MSG message{};
  for (int handled = 0; handled < kMostMessagesAtOnce; ++handled) {
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) == FALSE) {
      return;
    }
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    HWND dialog = dialogOf(message.hwnd);
    if (dialog != nullptr && IsDialogMessageW(dialog, &message) != FALSE) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32EventPump::sleep(std::uint32_t milliseconds) {
  Sleep(milliseconds);
}

} // namespace velmora::win32
