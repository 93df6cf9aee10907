#pragma once

#include <windows.h>

namespace velmora::win32 {

// The clipboard held open by this thread for as long as the object lives (OpenClipboard /
// CloseClipboard). Another program may hold it for a moment: opening is tried a few times
// before it fails with HostError.
class ClipboardSession {
public:
  explicit ClipboardSession(HWND owner);
  ~ClipboardSession();
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;

  // Empties the clipboard and makes the owner window its owner; HostError when refused.
  void empty();
  // Hands `data` to the clipboard under `format`. On success the system owns it; when refused
  // the caller still does, and false is returned.
  bool put(UINT format, HANDLE data);
};

} // namespace velmora::win32
