#include "forms/combo_box_window.hpp"

#include "forms/wide_text.hpp"
#include "support/error.hpp"

namespace velmora::win32 {

namespace {

// Entries a dropped-down list shows before it scrolls.
constexpr int kDroppedEntries = 12;

DWORD comboStyle(ComboStyle style) {
  switch (style) {
  case ComboStyle::SimpleCombo:
    return CBS_SIMPLE | CBS_AUTOHSCROLL | CBS_NOINTEGRALHEIGHT;
  case ComboStyle::DropDownList:
    return CBS_DROPDOWNLIST;
  case ComboStyle::DropDownCombo:
    break;
  }
  return CBS_DROPDOWN | CBS_AUTOHSCROLL;
}

} // namespace

std::unique_ptr<ComboBoxWindow> ComboBoxWindow::create(const ControlSpec& spec, const RECT& place,
                                                       int id, const ControlContext& context) {
  HWND window = createChildWindow(
      spec, {L"COMBOBOX", comboStyle(spec.comboStyle) | WS_VSCROLL, 0, true}, place, id, context);
  auto combo = std::make_unique<ComboBoxWindow>(window, *context.focus, spec.comboStyle);
  for (const auto& item : spec.items) {
    combo->addItem(item);
  }
  if (spec.comboStyle != ComboStyle::DropDownList) {
    combo->setText(spec.caption);
  }
  if (spec.comboStyle != ComboStyle::SimpleCombo) {
    // The layout's height is the closed field's; the window also spans the dropped list.
    const auto field = static_cast<int>(SendMessageW(window, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    const auto entry = static_cast<int>(SendMessageW(window, CB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(window, nullptr, 0, 0, place.right - place.left,
                 field + 8 + kDroppedEntries * entry, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return combo;
}

std::u16string ComboBoxWindow::text() const {
  return windowText(window());
}

void ComboBoxWindow::setText(const std::u16string& text) {
  if (style_ == ComboStyle::DropDownList) {
    const int index = items_.find(text);
    if (index < 0) {
      throw Error(kInvalidValue);
    }
    items_.select(index);
    return;
  }
  SetWindowTextW(window(), wide(text).c_str());
}

void ComboBoxWindow::notify(WORD code) {
  if (code == CBN_DBLCLK) {
    raise(doubleClick_);
  }
}

} // namespace velmora::win32
