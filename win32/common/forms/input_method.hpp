#pragma once

#include "ports/form_layout.hpp"

#include <windows.h>

namespace velmora::win32 {

// Opens (On) or closes (Off) the input method of the window's input context; NoControl leaves
// it as the user left it.
void applyImeMode(HWND window, ImeMode mode);

} // namespace velmora::win32
