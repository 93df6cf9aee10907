#pragma once

#include "ports/window_handle.hpp"

#include <cstdint>
#include <windows.h>

namespace velmora::win32 {

// The ports carry windows and window procedures as integers; these turn them back into the
// system's handles.
inline HWND windowFromHandle(WindowHandle window) {
  return reinterpret_cast<HWND>(window); // NOLINT(performance-no-int-to-ptr)
}

inline WNDPROC procedureFromValue(LONG_PTR procedure) {
  return reinterpret_cast<WNDPROC>(procedure); // NOLINT(performance-no-int-to-ptr)
}

} // namespace velmora::win32
