#pragma once

#include "forms/message_box_finder.hpp"

#include <string>
#include <vector>
#include <windows.h>

namespace velmora::testing {

// The class name of the forms toolkit's top-level windows.
inline constexpr wchar_t kFormClass[] = L"VelmoraForm";

// The shown or hidden form window with this caption, or null.
inline HWND findForm(const wchar_t* caption) {
  return FindWindowW(kFormClass, caption);
}

inline std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

struct ChildSearch {
  const wchar_t* className;
  const wchar_t* text;
  std::vector<HWND> found;
};

inline BOOL CALLBACK noteChild(HWND child, LPARAM data) {
  auto& search = *win32::fromInteger<ChildSearch*>(data);
  if (lstrcmpiW(classOf(child).c_str(), search.className) == 0 &&
      (search.text == nullptr || textOf(child) == search.text)) {
    search.found.push_back(child);
  }
  return TRUE;
}

// Every window below `parent` (children of children included, in the system's order) of the
// class, and with the text when one is given.
inline std::vector<HWND> descendants(HWND parent, const wchar_t* className,
                                     const wchar_t* text = nullptr) {
  ChildSearch search{className, text, {}};
  if (parent != nullptr) {
    EnumChildWindows(parent, noteChild, reinterpret_cast<LPARAM>(&search));
  }
  return search.found;
}

// The one window below `parent` of the class (and text); null when there is none or several.
inline HWND descendant(HWND parent, const wchar_t* className, const wchar_t* text = nullptr) {
  const std::vector<HWND> found = descendants(parent, className, text);
  return found.size() == 1 ? found.front() : nullptr;
}

inline HWND buttonOf(HWND form, const wchar_t* caption) {
  return descendant(form, L"Button", caption);
}

// The window that has the focus, named by the control it belongs to: the edit field of a combo
// box stands for its combo box.
inline HWND focusedControl() {
  HWND focus = GetFocus();
  HWND parent = focus != nullptr ? GetParent(focus) : nullptr;
  if (parent != nullptr && lstrcmpiW(classOf(parent).c_str(), L"ComboBox") == 0) {
    return parent;
  }
  return focus;
}

} // namespace velmora::testing
