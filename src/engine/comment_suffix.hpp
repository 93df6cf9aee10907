#pragma once

#include "engine/declare_context.hpp"

#include <string>

namespace velmora {

// Asks for a trailing comment when intComment is on. Returns the text that ends the
// declaration line: empty, or TAB + "'" + the comment (also left in CommentText). Never fails.
std::u16string AskCommentSuffix(DeclareContext& context);

} // namespace velmora
