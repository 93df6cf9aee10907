#pragma once

#include "forms/handle_cast.hpp"

#include <string>
#include <vector>
#include <windows.h>

namespace velmora::testing {

// A system message box of this thread as the user sees it.
struct MessageBoxSeen {
  HWND window = nullptr;
  std::wstring title;
  std::wstring text;
  bool icon = false;
  HWND owner = nullptr;
  std::vector<int> buttons; // of IDOK, IDCANCEL, IDYES, IDNO, in that order
  int defaultButton = 0;
};

inline std::wstring textOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

inline BOOL CALLBACK noteIcon(HWND child, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(child, className, 16);
  if (lstrcmpiW(className, L"Static") == 0 &&
      (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0 &&
      SendMessageW(child, STM_GETICON, 0, 0) != 0) {
    *win32::fromInteger<bool*>(found) = true;
  }
  return TRUE;
}

inline MessageBoxSeen describeMessageBox(HWND window) {
  MessageBoxSeen seen{window,
                      textOf(window),
                      textOf(GetDlgItem(window, 0xFFFF)),
                      false,
                      GetWindow(window, GW_OWNER),
                      {},
                      0};
  EnumChildWindows(window, noteIcon, reinterpret_cast<LPARAM>(&seen.icon));
  for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
    if (HWND button = GetDlgItem(window, id)) {
      seen.buttons.push_back(id);
      if ((GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        seen.defaultButton = id;
      }
    }
  }
  return seen;
}

// The message box shown now (the test programs show one at a time).
inline MessageBoxSeen findMessageBox() {
  return describeMessageBox(FindWindowW(L"#32770", nullptr));
}

inline void pressButton(const MessageBoxSeen& box, int id) {
  SendMessageW(GetDlgItem(box.window, id), BM_CLICK, 0, 0);
}

} // namespace velmora::testing
