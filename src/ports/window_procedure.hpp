#pragma once

#include "ports/window_handle.hpp"

#include <cstdint>
#include <functional>

namespace velmora {

inline constexpr std::uint32_t kWmActivateApp = 0x001C;
inline constexpr std::uint32_t kWmHotKey = 0x0312;

struct WindowMessage {
  WindowHandle window = 0;
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};

// Replacing a window's procedure (subclassing) and calling the one it replaced.
class WindowProcedures {
public:
  using Procedure = std::function<std::intptr_t(const WindowMessage&)>;
  // Identifies the procedure that a replacement displaced; 0 is none.
  using Previous = std::uintptr_t;

  virtual ~WindowProcedures() = default;

  // Installs `procedure` for `window` and returns the procedure it replaced.
  virtual Previous replace(WindowHandle window, Procedure procedure) = 0;
  // Puts `previous` back as the window's procedure.
  virtual void restore(WindowHandle window, Previous previous) = 0;
  virtual std::intptr_t callPrevious(Previous previous, const WindowMessage& message) = 0;
};

} // namespace velmora
