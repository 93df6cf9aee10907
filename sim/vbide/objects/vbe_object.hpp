#pragma once

#include "com/com_ptr.hpp"
#include "sim/vbide/objects/vbe_world.hpp"

#include <memory>
#include <ole2.h>

namespace velmora::sim::vbide {

// The IDE's root object VBE over `world`, as an add-in receives it in OnConnection:
// ActiveVBProject, ActiveCodePane (Nothing when no code window has the focus), CommandBars,
// Events, Version.
win32::ComPtr<IDispatch> makeVbeObject(std::shared_ptr<VbeWorld> world);

// The same over an in-memory IDE, with a fresh set of built-in command bars.
win32::ComPtr<IDispatch> makeVbeObject(std::shared_ptr<MemoryVbe> vbe);

} // namespace velmora::sim::vbide
