#include "forms/thread_modality.hpp"

#include "forms/handle_cast.hpp"

#include <array>

namespace velmora::win32 {

namespace {

// The classes of the input method's windows: the default window of the thread and the text
// services' one.
bool inputMethodWindow(HWND window) {
  std::array<wchar_t, 32> name{};
  if (GetClassNameW(window, name.data(), static_cast<int>(name.size())) == 0) {
    return false;
  }
  return lstrcmpiW(name.data(), L"IME") == 0 || lstrcmpiW(name.data(), L"MSCTFIME UI") == 0;
}

} // namespace

ThreadModality::ThreadModality(HWND form) : form_(form) {
  EnumThreadWindows(GetCurrentThreadId(), &ThreadModality::disableOne,
                    reinterpret_cast<LPARAM>(this));
}

BOOL CALLBACK ThreadModality::disableOne(HWND window, LPARAM modality) {
  auto* self = fromInteger<ThreadModality*>(modality);
  if (window != self->form_ && IsWindowEnabled(window) != FALSE && !inputMethodWindow(window)) {
    EnableWindow(window, FALSE);
    self->disabled_.push_back(window);
  }
  return TRUE;
}

void ThreadModality::end() {
  for (auto it = disabled_.rbegin(); it != disabled_.rend(); ++it) {
    if (IsWindow(*it) != FALSE) {
      EnableWindow(*it, TRUE);
    }
  }
  disabled_.clear();
}

} // namespace velmora::win32
