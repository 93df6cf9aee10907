#pragma once

#include <string>
#include <windows.h>

namespace velmora::testing {

// A system message box of this thread as the user sees it.
struct MessageBoxSeen {
  HWND window = nullptr;
  std::wstring title;
  std::wstring text;
  bool icon = false; // an icon is shown
  HWND owner = nullptr;
};

inline BOOL CALLBACK noteIcon(HWND child, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(child, className, 16);
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if (lstrcmpiW(className, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
      IsWindowVisible(child) != FALSE && SendMessageW(child, STM_GETICON, 0, 0) != 0) {
    *reinterpret_cast<bool*>(found) = true;
  }
  return TRUE;
}

inline BOOL CALLBACK noteBox(HWND window, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (lstrcmpW(className, L"#32770") == 0 && IsWindowVisible(window) != FALSE) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

inline std::wstring textOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// The message box that is shown in `thread` (the calling thread by default), if any.
inline MessageBoxSeen findMessageBox(DWORD thread = GetCurrentThreadId()) {
  MessageBoxSeen seen;
  EnumThreadWindows(thread, noteBox, reinterpret_cast<LPARAM>(&seen.window));
  if (seen.window == nullptr) {
    return seen;
  }
  seen.title = textOf(seen.window);
  seen.text = textOf(GetDlgItem(seen.window, 0xFFFF));
  EnumChildWindows(seen.window, noteIcon, reinterpret_cast<LPARAM>(&seen.icon));
  seen.owner = GetWindow(seen.window, GW_OWNER);
  return seen;
}

// Presses a button of the box (IDOK, IDYES, IDNO).
inline void pressButton(const MessageBoxSeen& box, int id) {
  SendMessageW(GetDlgItem(box.window, id), BM_CLICK, 0, 0);
}

} // namespace velmora::testing
