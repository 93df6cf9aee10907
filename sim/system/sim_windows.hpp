#pragma once

#include "ports/window_handle.hpp"
#include "ports/window_procedure.hpp"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace velmora::sim {

class SimMessageQueue;

inline constexpr std::uint32_t kWmDestroy = 0x0002;
inline constexpr std::uint32_t kWmNcDestroy = 0x0082;

// Every window of a desktop: its handle, the thread (message queue) that owns it, its parent and
// its chain of window procedures.
//
// Each window starts with a default procedure of its own that records every message reaching it
// and returns 0. A procedure is known by a nonzero id that stays valid until its window is
// destroyed; calling or installing an id that is not (or no longer) known is a fault that would
// crash a real program, and throws std::logic_error. Handles are never used twice, so a stale
// handle stays invalid. Records of destroyed windows are kept for inspection.
class SimWindows {
public:
  using Procedure = WindowProcedures::Procedure;
  using ProcedureId = WindowProcedures::Previous;

  SimWindows() = default;
  SimWindows(const SimWindows&) = delete;
  SimWindows& operator=(const SimWindows&) = delete;

  // Creates a window owned by the thread of `owner`; 0 when `parent` is given and is not a window.
  WindowHandle create(SimMessageQueue& owner, std::string title, WindowHandle parent = 0);
  // Sends WM_DESTROY, destroys the children, sends WM_NCDESTROY, then tells the destroy listeners.
  // A window whose procedure is not its original one at that point is recorded in hooksLeft().
  // False when `window` is not a window (or is already being destroyed).
  bool destroy(WindowHandle window);
  // Called with the handle of each destroyed window (the system drops what the window held).
  void onDestroy(std::function<void(WindowHandle)> listener);

  bool isWindow(WindowHandle window) const;
  // A window takes the user's input only while enabled; windows start enabled. setEnabled
  // returns whether the window was disabled before (as EnableWindow does); false when it is not
  // a window.
  bool setEnabled(WindowHandle window, bool enabled);
  bool isEnabled(WindowHandle window) const;
  // The owning thread's queue; nullptr when `window` is not a window.
  SimMessageQueue* owner(WindowHandle window) const;
  // Live windows without a parent owned by `owner`, oldest first.
  std::vector<WindowHandle> topLevelWindows(const SimMessageQueue& owner) const;

  // Makes `procedure` the window's procedure; returns the one it displaced, 0 when not a window.
  ProcedureId install(WindowHandle window, Procedure procedure);
  // Makes a known procedure the window's procedure again; false when not a window.
  bool setCurrent(WindowHandle window, ProcedureId procedure);
  std::intptr_t call(ProcedureId procedure, const WindowMessage& message);
  // Calls the current procedure of the message's window directly; 0 when it is not a window.
  std::intptr_t send(const WindowMessage& message);
  // Appends the message to the queue of the window's owner; false when it is not a window.
  bool post(const WindowMessage& message);

  // Inspection; these throw std::invalid_argument for a handle this desktop never made.
  const std::string& title(WindowHandle window) const;
  WindowHandle parent(WindowHandle window) const;
  bool hasOriginalProcedure(WindowHandle window) const;
  const std::vector<WindowMessage>& defaultProcedureMessages(WindowHandle window) const;
  // Destroyed windows that still had a replaced procedure installed, in order of destruction.
  const std::vector<WindowHandle>& hooksLeft() const { return hooksLeft_; }
  std::size_t liveCount() const;

private:
  struct Window {
    std::string title;
    WindowHandle parent = 0;
    SimMessageQueue* owner = nullptr;
    bool alive = true;
    bool destroying = false;
    bool enabled = true;
    ProcedureId original = 0;
    ProcedureId current = 0;
    std::vector<ProcedureId> procedures;
    std::vector<WindowMessage> defaultSaw;
  };

  Window* live(WindowHandle window);
  const Window* live(WindowHandle window) const;
  const Window& record(WindowHandle window) const;
  ProcedureId add(WindowHandle window, Procedure procedure);

  std::map<WindowHandle, Window> windows_;
  std::map<ProcedureId, std::shared_ptr<const Procedure>> procedures_;
  std::vector<std::function<void(WindowHandle)>> destroyListeners_;
  std::vector<WindowHandle> hooksLeft_;
  WindowHandle nextHandle_ = 0x10010;
  ProcedureId nextProcedure_ = 0x7F000010;
};

} // namespace velmora::sim
