#pragma once

#include "com/com_ptr.hpp"
#include "sim/vbide/objects/command_bars_model.hpp"

#include <memory>
#include <ole2.h>

namespace velmora::sim::vbide {

// CommandBar: Name, NameLocal, Visible, Position, BuiltIn, Index, Controls, Delete.
win32::ComPtr<IDispatch> makeCommandBarObject(std::shared_ptr<CommandBarsModel> model,
                                              std::shared_ptr<CommandBarModel> bar);

// CommandBarControls of one bar: Count, Item(1-based position or caption),
// Add(Type, Id, Parameter, Before, Temporary) with every argument optional, _NewEnum.
win32::ComPtr<IDispatch> makeCommandBarControlsObject(std::shared_ptr<CommandBarsModel> model,
                                                      std::shared_ptr<CommandBarModel> bar);

} // namespace velmora::sim::vbide
