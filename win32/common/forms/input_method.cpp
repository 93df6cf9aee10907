#include "forms/input_method.hpp"

#include <imm.h>

namespace velmora::win32 {

void applyImeMode(HWND window, ImeMode mode) {
  if (mode == ImeMode::NoControl) {
    return;
  }
  // The window gets its default context back in case someone took it away.
  ImmAssociateContextEx(window, nullptr, IACE_DEFAULT);
  HIMC context = ImmGetContext(window);
  if (context == nullptr) {
    return;
  }
  ImmSetOpenStatus(context, mode == ImeMode::On ? TRUE : FALSE);
  ImmReleaseContext(window, context);
}

} // namespace velmora::win32
