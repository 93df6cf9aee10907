#pragma once

#include <cstdint>

namespace velmora {

// A window as the system knows it (an HWND on Windows).
using WindowHandle = std::uintptr_t;

} // namespace velmora
