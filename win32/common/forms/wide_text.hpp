#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace velmora::win32 {

// The engine's UTF-16 text and the W functions' wide text are the same code units.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring wide(std::u16string_view text) {
  return {text.begin(), text.end()};
}

inline std::u16string utf16(std::wstring_view text) {
  return {text.begin(), text.end()};
}

// The whole text of a window (a caption, the contents of an edit field).
inline std::u16string windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) {
    return {};
  }
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return utf16(text);
}

} // namespace velmora::win32
