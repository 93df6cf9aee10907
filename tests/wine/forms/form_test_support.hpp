#pragma once

#include "forms/form_control.hpp"
#include "forms/handle_cast.hpp"
#include "forms/win32_forms_toolkit.hpp"
#include "ports/control_layouts.hpp"

#include <string>
#include <windows.h>

namespace velmora::testing {

// The window behind a control of a Win32 form.
inline HWND windowOf(Control& control) {
  return dynamic_cast<win32::FormControl&>(control).window();
}

inline HWND windowOf(const Form& form) {
  return win32::fromInteger<HWND>(form.handle());
}

// Keys arrive as the user's do: posted to the focused window and taken by the modal loop.
inline void pressKey(WPARAM key) {
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, key, 1);
  PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

inline void typeText(HWND window, const std::wstring& text) {
  for (wchar_t c : text) {
    SendMessageW(window, WM_CHAR, c, 1);
  }
}

inline void click(Control& button) {
  SendMessageW(windowOf(button), BM_CLICK, 0, 0);
}

// A 16 x 16 picture in all sixteen colours, no two neighbours alike.
inline Bitmap face() {
  Bitmap picture{16, 16, {}};
  for (int i = 0; i < 256; ++i) {
    picture.pixels.push_back(static_cast<Colour16>((i % 16 + 3 * (i / 16)) % 16));
  }
  return picture;
}

// A small dialog: a text box first in the keyboard order, then OK and Cancel, with the default
// and cancel buttons as asked.
inline FormSpec dialogSpec(bool withDefault, bool withCancel) {
  FormSpec form;
  form.name = "frmTest";
  form.caption = u"テスト";
  form.clientWidth = 4800;
  form.clientHeight = 1800;
  form.controls.push_back(
      controlSpec(ControlKind::TextBox, "txtValue", u"", {120, 120, 3000, 300}, 0));
  form.controls.push_back(buttonSpec("OKButton", u"OK", {3240, 120, 1215, 375}, 1));
  form.controls.back().isDefault = withDefault;
  form.controls.push_back(buttonSpec("CancelButton", u"ｷｬﾝｾﾙ", {3240, 600, 1215, 375}, 2));
  form.controls.back().isCancel = withCancel;
  return form;
}

} // namespace velmora::testing
