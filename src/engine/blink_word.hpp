#pragma once

#include "engine/declare_context.hpp"

namespace velmora {

// When intTenmetsu is on, selects and deselects the word at the active pane's caret three
// times (100 ms each way), then puts the caret back. Host errors reach the caller.
void BlinkWord(DeclareContext& context);

} // namespace velmora
