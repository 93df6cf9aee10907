#pragma once

#include "forms/form_test_support.hpp"
#include "forms/message_box_finder.hpp"
#include "forms/ui_steps.hpp"

// Finding the forms' windows and acting in them as the user does. Keys go through pressKey
// (posted, so that the modal loop gives them the dialog treatment).
namespace velmora::testing {

using Steps = std::vector<std::function<void()>>;

// Runs the user's steps inside the modal showing that `show` starts; all of them must have run.
inline void whileShown(Steps user, const std::function<void()>& show) {
  UiSteps pacing(std::move(user));
  show();
  EXPECT_TRUE(pacing.finished()) << "the showing ended before the user was done";
}

inline constexpr wchar_t kFormClass[] = L"VelmoraForm"; // the toolkit's top-level windows

inline HWND findForm(const wchar_t* caption) {
  return FindWindowW(kFormClass, caption);
}

// The form's controls (all children of the form itself) of the class, with the text if one is
// given (the system compares both without regard to case).
inline std::vector<HWND> children(HWND form, const wchar_t* className,
                                  const wchar_t* text = nullptr) {
  std::vector<HWND> found;
  for (HWND child = nullptr;
       form != nullptr && (child = FindWindowExW(form, child, className, text)) != nullptr;) {
    found.push_back(child);
  }
  return found;
}

// The one such control; null when there is none or several.
inline HWND child(HWND form, const wchar_t* className, const wchar_t* text = nullptr) {
  const std::vector<HWND> found = children(form, className, text);
  return found.size() == 1 ? found.front() : nullptr;
}

inline HWND buttonOf(HWND form, const wchar_t* caption) {
  return child(form, L"Button", caption);
}

inline void clickButton(HWND button) {
  SendMessageW(button, BM_CLICK, 0, 0);
}

// A click, or both clicks of a double-click, on an entry of a list box.
inline void clickListItem(HWND list, int item, bool twice = false) {
  RECT row{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&row));
  const LPARAM at = MAKELPARAM(row.left + 2, row.top + 2);
  for (const UINT down : {UINT{WM_LBUTTONDOWN}, UINT{WM_LBUTTONDBLCLK}}) {
    SendMessageW(list, down, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    if (!twice) {
      return;
    }
  }
}

inline std::vector<std::wstring> listBoxItems(HWND list) {
  std::vector<std::wstring> items;
  for (int item = 0; item < static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); ++item) {
    std::vector<wchar_t> buffer(
        static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, WPARAM(item), 0)) + 1);
    SendMessageW(list, LB_GETTEXT, WPARAM(item), reinterpret_cast<LPARAM>(buffer.data()));
    items.emplace_back(buffer.data());
  }
  return items;
}

} // namespace velmora::testing
