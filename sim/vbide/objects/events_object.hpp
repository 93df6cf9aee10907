#pragma once

#include "com/com_ptr.hpp"
#include "sim/vbide/objects/command_bars_model.hpp"

#include <memory>
#include <ole2.h>

namespace velmora::sim::vbide {

// Events: the property CommandBarEvents(control) (DISPID 0xCD) gives the event source of one
// command-bar control of this IDE; another object is an invalid argument.
win32::ComPtr<IDispatch> makeEventsObject(std::shared_ptr<CommandBarsModel> model);

} // namespace velmora::sim::vbide
