#pragma once

#include "com/com_ptr.hpp"
#include "sim/vbide/objects/command_bars_model.hpp"

#include <memory>
#include <ole2.h>

namespace velmora::sim::vbide {

// CommandBarControl (CommandBarButton for buttons): Caption, TooltipText, BeginGroup, Tag,
// Parameter, Visible, Enabled, Type, Id, Index, Parent, Delete([Temporary]); buttons also have
// FaceId, Style and PasteFace (the clipboard's bitmap becomes the face).
win32::ComPtr<IDispatch>
makeCommandBarControlObject(std::shared_ptr<CommandBarsModel> model,
                            std::shared_ptr<CommandBarControlModel> control);

// The control behind an object that makeCommandBarControlObject made; null for any other
// object (or Nothing).
std::shared_ptr<CommandBarControlModel> controlModelOf(IDispatch* object);

} // namespace velmora::sim::vbide
