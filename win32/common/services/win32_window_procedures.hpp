#pragma once

#include "ports/window_procedure.hpp"

#include <cstdint>

namespace velmora::win32 {

// Replacing a window's procedure (SetWindowLongPtr with GWLP_WNDPROC) by a C++ procedure, and
// calling the one it replaced (CallWindowProc).
//
// Every replacement installs the same window procedure of this module, which finds the window's
// C++ procedure by its handle. The token that replace returns is the displaced procedure as the
// system handed it back, the value that restore puts back. A window keeps its character set: a
// Unicode window is replaced and called through the W functions, an ANSI window through the A
// functions, so that no text message is squeezed through the ANSI code page on the way.
// Replacing a window twice stacks: the second procedure's callPrevious reaches the first.
//
// No C++ exception leaves the window procedure: a procedure that throws has its message answered
// with 0. A destroyed window's procedures are forgotten with its WM_NCDESTROY, and an adapter
// that goes away first puts back what it replaced on windows that are still there.
class Win32WindowProcedures final : public WindowProcedures {
public:
  Win32WindowProcedures() = default;
  Win32WindowProcedures(const Win32WindowProcedures&) = delete;
  Win32WindowProcedures& operator=(const Win32WindowProcedures&) = delete;
  ~Win32WindowProcedures() override;

  // 0, with nothing installed, for a window that does not exist or belongs to another process,
  // and for an empty procedure.
  Previous replace(WindowHandle window, Procedure procedure) override;
  // Does nothing for `previous` 0 (a window without a procedure would crash on its next message).
  void restore(WindowHandle window, Previous previous) override;
  std::intptr_t callPrevious(Previous previous, const WindowMessage& message) override;

  // The Windows error of the last replace that failed, 0 after a success.
  std::uint32_t lastError() const { return lastError_; }

private:
  std::uint32_t lastError_ = 0;
};

} // namespace velmora::win32
