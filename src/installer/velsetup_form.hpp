#pragma once

#include "ports/form_spec.hpp"

namespace velmora {

// The layout of frmVelsetup, the installer's only window.
FormSpec velsetupFormSpec();

} // namespace velmora
