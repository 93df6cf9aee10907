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
  bool icon = false; // an icon is shown
  HWND owner = nullptr;
  std::vector<int> buttons; // of IDOK, IDCANCEL, IDYES, IDNO, in that order
  int defaultButton = 0;    // the one drawn as the default
};

inline BOOL CALLBACK noteIcon(HWND child, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(child, className, 16);
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if (lstrcmpiW(className, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
      (style & WS_VISIBLE) != 0 && SendMessageW(child, STM_GETICON, 0, 0) != 0) {
    *win32::fromInteger<bool*>(found) = true;
  }
  return TRUE;
}

inline BOOL CALLBACK noteBox(HWND window, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (lstrcmpW(className, L"#32770") == 0 && IsWindowVisible(window) != FALSE) {
    *win32::fromInteger<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

inline std::wstring textOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// What the message box `window` shows.
inline MessageBoxSeen describeMessageBox(HWND window) {
  MessageBoxSeen seen;
  seen.window = window;
  seen.title = textOf(seen.window);
  seen.text = textOf(GetDlgItem(seen.window, 0xFFFF));
  EnumChildWindows(seen.window, noteIcon, reinterpret_cast<LPARAM>(&seen.icon));
  seen.owner = GetWindow(seen.window, GW_OWNER);
  for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
    if (HWND button = GetDlgItem(seen.window, id)) {
      seen.buttons.push_back(id);
      if ((GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        seen.defaultButton = id;
      }
    }
  }
  return seen;
}

// The message box that is shown in `thread` (the calling thread by default), if any.
inline MessageBoxSeen findMessageBox(DWORD thread = GetCurrentThreadId()) {
  HWND window = nullptr;
  EnumThreadWindows(thread, noteBox, reinterpret_cast<LPARAM>(&window));
  return window != nullptr ? describeMessageBox(window) : MessageBoxSeen{};
}

// Presses a button of the box (IDOK, IDYES, IDNO).
inline void pressButton(const MessageBoxSeen& box, int id) {
  SendMessageW(GetDlgItem(box.window, id), BM_CLICK, 0, 0);
}

} // namespace velmora::testing
