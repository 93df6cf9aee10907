#pragma once

#include "ports/controls.hpp"

#include <windows.h>

namespace velmora::win32 {

// The description of a property value a control refuses.
inline constexpr char16_t kInvalidValue[] = u"プロパティの値が不正です。";

// Where a control's request for the focus goes: the form gives it at once when shown and keeps
// it for its next showing while hidden.
class FocusMemory {
public:
  virtual ~FocusMemory() = default;
  virtual void focus(HWND control) = 0;
};

// What a form's window procedure needs of each of its controls.
class FormControl {
public:
  virtual ~FormControl() = default;

  // The control's window; null for a timer.
  virtual HWND window() const = 0;
  // A notification of the control (the code of its WM_COMMAND).
  virtual void notify(WORD /*code*/) {}
  // An owner-drawn control paints itself.
  virtual void draw(const DRAWITEMSTRUCT& /*item*/) {}
  // The form's window received the WM_TIMER of the control's identifier.
  virtual void timerFired() {}
};

// Runs an event handler from a copy, so that a handler that unloads and destroys its own form
// (and with it the stored handler) still runs to its end. Nothing may touch the control after.
inline void raise(const EventHandler& handler) {
  if (handler) {
    EventHandler running = handler;
    running();
  }
}

// A control of one of the port's kinds living in a child window of the form.
template <typename Port> class WindowedControl : public Port, public FormControl {
public:
  WindowedControl(HWND window, FocusMemory& focus) : window_(window), focus_(&focus) {}

  bool enabled() const override { return IsWindowEnabled(window_) != FALSE; }
  void setEnabled(bool enabled) override { EnableWindow(window_, enabled ? TRUE : FALSE); }
  void setFocus() override { focus_->focus(window_); }
  HWND window() const override { return window_; }

protected:
  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(window_, message, wParam, lParam);
  }

private:
  HWND window_;
  FocusMemory* focus_;
};

} // namespace velmora::win32
