#pragma once

#include "forms/form_test_support.hpp"

#include <commctrl.h>
#include <string>
#include <windows.h>

namespace velmora::testing {

// What a user does with the mouse and the keyboard, as the windows receive it. Keys go through
// pressKey (posted, so that the modal loop gives them the dialog treatment).

inline void clickButton(HWND button) {
  SendMessageW(button, BM_CLICK, 0, 0);
}

// Types into the window that has the focus.
inline void typeIntoFocus(const std::wstring& text) {
  typeText(GetFocus(), text);
}

inline LPARAM pointInItem(HWND list, int item) {
  RECT row{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&row));
  return MAKELPARAM(row.left + 2, row.top + 2);
}

// A click on an entry of a list box (or the list of a simple combo box).
inline void clickListItem(HWND list, int item) {
  const LPARAM at = pointInItem(list, item);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list, WM_LBUTTONUP, 0, at);
}

// Both clicks of a double-click on an entry of a list box.
inline void doubleClickListItem(HWND list, int item) {
  const LPARAM at = pointInItem(list, item);
  clickListItem(list, item);
  SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(list, WM_LBUTTONUP, 0, at);
}

// Choosing an entry of a drop-down list: the selection and the notification the choice sends.
inline void chooseComboItem(HWND combo, int item) {
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  SendMessageW(GetParent(combo), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(combo), static_cast<WORD>(CBN_SELCHANGE)),
               reinterpret_cast<LPARAM>(combo));
}

// Selects one row of a report list view (and gives it the focus mark), as a click does.
inline void selectListViewRow(HWND view, int row) {
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED;
  SendMessageW(view, LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&none));
  LVITEMW chosen{};
  chosen.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  chosen.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(view, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&chosen));
}

// The close box: what the system sends when it is clicked.
inline void closeWindow(HWND window) {
  PostMessageW(window, WM_CLOSE, 0, 0);
}

} // namespace velmora::testing
