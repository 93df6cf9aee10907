#pragma once

#include "forms/gdi_handles.hpp"
#include "forms/screen_scale.hpp"
#include "ports/form_layout.hpp"

#include <optional>
#include <windows.h>

namespace velmora::win32 {

// Where a form's window comes from: the toolkit's window class and the hidden window that
// owns the forms kept off the task bar.
struct FormEnvironment {
  const wchar_t* windowClass = nullptr;
  ATOM classAtom = 0;
  HWND owner = nullptr;
};

// Creates the hidden top-level window of a form: the caption, a client area of the layout's
// size, centred on the work area. A fixed dialog frame has no sizing border and no minimise or
// maximise box; a form off the task bar is owned by the environment's hidden window (an owned
// window never gets a task-bar button), one on the task bar has no owner. `form` is handed to
// the window procedure in WM_NCCREATE. Throws HostError when the system refuses.
HWND createFormWindow(const FormSpec& spec, const ScreenScale& scale, const FormEnvironment& env,
                      void* form);

struct FormIcons {
  IconHandle big;
  IconHandle small;
};

// Gives the window the layout's icon in the system's large and small sizes; none without one.
FormIcons setFormIcons(HWND window, const std::optional<Bitmap>& icon);

} // namespace velmora::win32
