#pragma once

#include "com/com_ptr.hpp"
#include "sim/vbide/objects/command_bars_model.hpp"

#include <memory>
#include <ole2.h>

namespace velmora::sim::vbide {

// The event source of one control: an IDispatch that is a connection-point container with one
// connection point, for _dispCommandBarControlEvents ({0002E198-...}). Advise takes a sink that
// answers that interface; each click then calls the sink's Invoke with DISPID 1 and the
// arguments (CommandBarControl, handled, CancelDefault), the two flags by reference, in reverse
// order in DISPPARAMS. The source stays bound to the control for as long as it lives.
win32::ComPtr<IDispatch>
makeCommandBarEventsObject(std::shared_ptr<CommandBarsModel> model,
                           std::shared_ptr<CommandBarControlModel> control);

} // namespace velmora::sim::vbide
