#include "host/addin_state.hpp"

#include "settings/settings_form.hpp"

namespace velmora {

AddinState::AddinState() = default;

// The settings form goes first, while the hook state it releases is still there.
AddinState::~AddinState() = default;

} // namespace velmora
