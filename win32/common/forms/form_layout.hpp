#pragma once

#include "forms/screen_scale.hpp"
#include "ports/form_layout.hpp"

#include <vector>
#include <windows.h>

namespace velmora::win32 {

struct PlacedControl {
  const ControlSpec* spec = nullptr;
  RECT pixels{}; // in the form's client area, frames resolved
};

// The controls of a layout in the order their windows are made, which is also their order
// on the screen from top to bottom and so the keyboard order: first the controls that take the
// focus by their tab index, then the others as listed, frames last so that they lie below
// what they hold. Throws Error for a layout that names a control twice or places a control
// in something that is not a frame of the layout.
std::vector<PlacedControl> layOut(const FormSpec& form, const ScreenScale& scale);

// Kinds of control that can hold the focus.
bool takesFocus(ControlKind kind);

} // namespace velmora::win32
