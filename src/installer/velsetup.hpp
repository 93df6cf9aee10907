#pragma once

#include "installer/profile_files.hpp"
#include "installer/setup_places.hpp"
#include "ports/forms_toolkit.hpp"

namespace velmora {

// The installer program: shows frmVelsetup and returns once it is no longer shown, which ends
// the program. "登録" registers the add-in and closes the form; "ｷｬﾝｾﾙ" and the close box close
// it without writing anything.
void runVelsetup(FormsToolkit& toolkit, ProfileFiles& profile, const SetupPlaces& places);

} // namespace velmora
