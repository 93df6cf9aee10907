#pragma once

#include "forms/form_fonts.hpp"
#include "ports/form_layout.hpp"

#include <windows.h>

namespace velmora::win32 {

class FocusMemory;

// What every control needs while it is being made: the form's window, its fonts and where
// focus requests go.
struct ControlContext {
  HWND form = nullptr;
  FormFonts* fonts = nullptr;
  FocusMemory* focus = nullptr;
};

struct ChildStyle {
  const wchar_t* windowClass = L"STATIC";
  DWORD style = 0;
  DWORD exStyle = 0;
  bool takesFocus = false; // a tab stop when the layout gives it a place in the keyboard order
};

// Creates the child window of a control at `place` (form client pixels) with the control's
// caption, visibility, enabled state and font. Throws HostError when the system refuses.
HWND createChildWindow(const ControlSpec& spec, const ChildStyle& style, const RECT& place, int id,
                       const ControlContext& context);

} // namespace velmora::win32
