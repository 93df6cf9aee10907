#pragma once

#include "host/code_module.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// The physical lines of the logical line that ends with line `line` of the module, whose text
// is `lineText`: the continued lines directly above it, then `lineText`. Reads only as many
// lines above as are continued (and the one above those, which is not).
std::vector<std::u16string> logicalLineEndingAt(CodeModule& module, std::int32_t line,
                                                std::u16string lineText);

} // namespace velmora
