#pragma once

#include "forms/child_window.hpp"
#include "forms/form_control.hpp"

#include <memory>

namespace velmora::win32 {

// A single-line edit field. Its input-method mode is put into effect whenever it receives the
// focus, before the got-focus event runs.
class TextBoxWindow final : public WindowedControl<TextBox> {
public:
  TextBoxWindow(HWND window, FocusMemory& focus, ImeMode mode)
      : WindowedControl(window, focus), imeMode_(mode) {}
  static std::unique_ptr<TextBoxWindow> create(const ControlSpec& spec, const RECT& place, int id,
                                               const ControlContext& context);

  std::u16string text() const override;
  void setText(const std::u16string& text) override;
  void select(int start, int length) override;
  int selectionStart() const override;
  int selectionLength() const override;
  void setImeMode(ImeMode mode) override;
  void onGotFocus(EventHandler handler) override { gotFocus_ = std::move(handler); }
  void notify(WORD code) override;

private:
  ImeMode imeMode_;
  EventHandler gotFocus_;
};

} // namespace velmora::win32
