#pragma once

#include "ports/form_layout.hpp"

namespace velmora {

// The layout of frmVelsetup, the installer's only window.
FormSpec velsetupFormSpec();

} // namespace velmora
