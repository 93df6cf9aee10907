#pragma once

#include "com/com_ptr.hpp"
#include "sim/ide/memory_vb_project.hpp"

#include <memory>
#include <ole2.h>

namespace velmora::sim::vbide {

// VBProject: VBComponents.
win32::ComPtr<IDispatch> makeVbProjectObject(std::shared_ptr<MemoryVbProject> project);

// VBComponents: Count, Item(1-based position or name), _NewEnum.
win32::ComPtr<IDispatch> makeVbComponentsObject(std::shared_ptr<MemoryVbProject> project);

// VBComponent: Name, Type, CodeModule.
win32::ComPtr<IDispatch> makeVbComponentObject(std::shared_ptr<MemoryVbComponent> component);

} // namespace velmora::sim::vbide
