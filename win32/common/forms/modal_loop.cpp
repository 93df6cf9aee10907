#include "forms/modal_loop.hpp"

namespace velmora::win32 {

namespace {

HWND formOf(HWND window, ATOM formClass) {
  if (window == nullptr) {
    return nullptr;
  }
  HWND root = GetAncestor(window, GA_ROOT);
  if (root == nullptr || static_cast<ATOM>(GetClassLongPtrW(root, GCW_ATOM)) != formClass) {
    return nullptr;
  }
  return root;
}

} // namespace

void runModalLoop(const std::function<bool()>& keepRunning, ATOM formClass) {
  MSG message{};
  while (keepRunning()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) {
      return;
    }
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    HWND form = formOf(message.hwnd, formClass);
    if (form != nullptr && IsDialogMessageW(form, &message) != FALSE) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

} // namespace velmora::win32
