#include "forms/button_window.hpp"

namespace velmora::win32 {

std::unique_ptr<ButtonWindow> ButtonWindow::create(const ControlSpec& spec, const RECT& place,
                                                   int id, const ControlContext& context) {
  DWORD style = spec.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (spec.wordWrap) {
    style |= BS_MULTILINE;
  }
  HWND window = createChildWindow(spec, {L"BUTTON", style, 0, true}, place, id, context);
  return std::make_unique<ButtonWindow>(window, *context.focus);
}

void ButtonWindow::notify(WORD code) {
  // Enter and Esc reach the default and cancel buttons through the form, also when disabled.
  if (code == BN_CLICKED && enabled()) {
    raise(click_);
  }
}

} // namespace velmora::win32
