#pragma once

#include "ports/window_procedure.hpp"

#include <cstdint>

namespace velmora::sim {

class SimMessageQueue;
class SimWindows;

// One program's replacing and restoring of its own windows' procedures.
//
// replace and restore on a window that does not exist, or that belongs to another program, do
// nothing (replace returns 0) and leave the Windows error in lastError(). Restoring or calling a
// procedure that does not exist (0, or one of a destroyed window) throws std::logic_error: a real
// program would crash there.
class SimWindowProcedures final : public WindowProcedures {
public:
  SimWindowProcedures(SimWindows& windows, const SimMessageQueue& thread);

  Previous replace(WindowHandle window, Procedure procedure) override;
  void restore(WindowHandle window, Previous previous) override;
  std::intptr_t callPrevious(Previous previous, const WindowMessage& message) override;

  // The error of the last replace or restore, 0 after a success.
  std::uint32_t lastError() const { return lastError_; }

private:
  bool ownWindow(WindowHandle window);

  SimWindows& windows_;
  const SimMessageQueue& thread_;
  std::uint32_t lastError_ = 0;
};

} // namespace velmora::sim
