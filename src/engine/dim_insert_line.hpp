#pragma once

#include "host/code_module.hpp"

#include <cstdint>
#include <string>

namespace velmora {

// The line before which a local declaration of procedure `name` of kind `kind` (as ProcOfLine
// reported it) is inserted: right below the header (and its continuation lines), past the
// comment and continued lines directly below it; when a continued line was passed, one line
// further, below the line that completes it.
std::int32_t FindDimInsertLine(CodeModule& module, const std::u16string& name, ProcKind kind);

} // namespace velmora
