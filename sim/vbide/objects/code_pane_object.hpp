#pragma once

#include "com/com_ptr.hpp"
#include "sim/ide/memory_code_pane.hpp"

#include <memory>
#include <ole2.h>

namespace velmora::sim::vbide {

// CodePane: GetSelection (four [out] longs), SetSelection (four longs), CodeModule.
win32::ComPtr<IDispatch> makeCodePaneObject(std::shared_ptr<MemoryCodePane> pane);

} // namespace velmora::sim::vbide
