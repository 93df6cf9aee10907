#pragma once

#include <vector>
#include <windows.h>

namespace velmora::win32 {

// What showing a form modally does to the rest of its thread, as a Visual Basic form shown
// modally does it: every other enabled top-level window of the thread (the IDE's main window
// among them, and a form that is itself shown modally beneath) is disabled for as long as the
// object lives, so that the user can neither click nor type there; ending it enables exactly
// those windows again. A window that was disabled already is left alone, so nested showings each
// give back what they took. The input method's own windows stay enabled, so that Japanese input
// keeps working in the form.
class ThreadModality {
public:
  // Disables the thread's other windows; `form` stays as it is.
  explicit ThreadModality(HWND form);
  ~ThreadModality() { end(); }
  ThreadModality(const ThreadModality&) = delete;
  ThreadModality& operator=(const ThreadModality&) = delete;

  // Enables again, most recently disabled first, the windows that still exist. Only once.
  void end();

private:
  static BOOL CALLBACK disableOne(HWND window, LPARAM modality);

  HWND form_;
  std::vector<HWND> disabled_;
};

} // namespace velmora::win32
