#pragma once

#include "engine/declare_context.hpp"

#include <string_view>

namespace velmora {

// Declares the name under the caret of the active code pane: kind "Dim" below the header of the
// procedure holding the caret, "Private" and "Public" at module level of the module being edited,
// "Bas" as Public in a standard module of the project. The type comes from the prefix table, or
// from the user. Every outcome is a written line, a message or a silent end; no error escapes.
void DoDeclare(DeclareContext& context, std::u16string_view kind);

} // namespace velmora
