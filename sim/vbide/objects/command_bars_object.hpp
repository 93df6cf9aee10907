#pragma once

#include "com/com_ptr.hpp"
#include "sim/vbide/objects/command_bars_model.hpp"

#include <memory>
#include <ole2.h>

namespace velmora::sim::vbide {

// CommandBars: Count, Item(1-based position or name), Add(Name, Position, MenuBar, Temporary)
// with every argument optional, _NewEnum.
win32::ComPtr<IDispatch> makeCommandBarsObject(std::shared_ptr<CommandBarsModel> model);

} // namespace velmora::sim::vbide
