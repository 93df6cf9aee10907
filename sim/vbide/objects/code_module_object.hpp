#pragma once

#include "com/com_ptr.hpp"
#include "sim/ide/memory_code_module.hpp"

#include <memory>
#include <ole2.h>

namespace velmora::sim::vbide {

// CodeModule: Lines, CountOfLines, CountOfDeclarationLines, ProcOfLine (the kind as an [out]
// long), ProcBodyLine, ProcStartLine, InsertLines, AddFromString.
win32::ComPtr<IDispatch> makeCodeModuleObject(std::shared_ptr<MemoryCodeModule> module);

} // namespace velmora::sim::vbide
