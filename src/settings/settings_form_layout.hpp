#pragma once

#include "ports/form_layout.hpp"
#include "settings/settings_faces.hpp"

#include <string_view>

namespace velmora {

// The layout of frmVelmora, the settings window: the prefix editor, the four hotkey rows (control
// arrays chkHot1 to chkHot4 and cboKey, indexed by row 0 to 3), the behaviour options, the
// version label, OK and Cancel; the five picture boxes with the toolbar faces; Timer1, and
// tmrRetry, which paces the repeated registration of a refused hotkey.
FormSpec SettingsFormLayout();

// The picture box that holds a toolbar face ("picDim" ... "picSettei").
std::string_view FacePictureBox(ButtonFace face);

} // namespace velmora
