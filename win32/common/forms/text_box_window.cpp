#include "forms/text_box_window.hpp"

#include "forms/input_method.hpp"
#include "forms/wide_text.hpp"

#include <algorithm>

namespace velmora::win32 {

std::unique_ptr<TextBoxWindow> TextBoxWindow::create(const ControlSpec& spec, const RECT& place,
                                                     int id, const ControlContext& context) {
  HWND window = createChildWindow(spec, {L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, true},
                                  place, id, context);
  return std::make_unique<TextBoxWindow>(window, *context.focus, spec.imeMode);
}

std::u16string TextBoxWindow::text() const {
  return windowText(window());
}

void TextBoxWindow::setText(const std::u16string& text) {
  SetWindowTextW(window(), wide(text).c_str());
}

void TextBoxWindow::select(int start, int length) {
  const int size = GetWindowTextLengthW(window());
  const int first = std::clamp(start, 0, size);
  const int count = std::clamp(length, 0, size - first);
  send(EM_SETSEL, static_cast<WPARAM>(first), first + count);
}

int TextBoxWindow::selectionStart() const {
  DWORD first = 0;
  DWORD last = 0;
  send(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  return static_cast<int>(first);
}

int TextBoxWindow::selectionLength() const {
  DWORD first = 0;
  DWORD last = 0;
  send(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  return static_cast<int>(last - first);
}

void TextBoxWindow::setImeMode(ImeMode mode) {
  imeMode_ = mode;
  if (GetFocus() == window()) {
    applyImeMode(window(), imeMode_);
  }
}

void TextBoxWindow::notify(WORD code) {
  if (code == EN_SETFOCUS) {
    applyImeMode(window(), imeMode_);
    raise(gotFocus_);
  }
}

} // namespace velmora::win32
