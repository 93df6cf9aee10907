#include "forms/check_box_window.hpp"

#include "support/error.hpp"

namespace velmora::win32 {

std::unique_ptr<CheckBoxWindow> CheckBoxWindow::create(const ControlSpec& spec, const RECT& place,
                                                       int id, const ControlContext& context) {
  // A three-state box whose clicks this class answers, so that the grayed value can be set.
  DWORD style = BS_3STATE;
  if (spec.wordWrap) {
    style |= BS_MULTILINE;
  }
  HWND window = createChildWindow(spec, {L"BUTTON", style, 0, true}, place, id, context);
  return std::make_unique<CheckBoxWindow>(window, *context.focus);
}

int CheckBoxWindow::value() const {
  switch (send(BM_GETCHECK)) {
  case BST_CHECKED:
    return 1;
  case BST_INDETERMINATE:
    return 2;
  default:
    return 0;
  }
}

void CheckBoxWindow::setValue(int value) {
  static constexpr WPARAM kStates[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
  if (value < 0 || value > 2) {
    throw Error(kInvalidValue);
  }
  send(BM_SETCHECK, kStates[value]);
}

void CheckBoxWindow::notify(WORD code) {
  if (code != BN_CLICKED || !enabled()) {
    return;
  }
  send(BM_SETCHECK, value() == 1 ? BST_UNCHECKED : BST_CHECKED);
  raise(click_);
}

} // namespace velmora::win32
