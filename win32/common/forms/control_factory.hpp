#pragma once

#include "forms/child_window.hpp"
#include "forms/form_control.hpp"

#include <memory>

namespace velmora::win32 {

// Makes the control of `spec` on the form: its child window at `place` (none for a timer) and
// the object through which the form's code and window procedure reach it.
std::unique_ptr<FormControl> createControl(const ControlSpec& spec, const RECT& place, int id,
                                           const ControlContext& context);

} // namespace velmora::win32
