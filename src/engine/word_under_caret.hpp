#pragma once

#include "engine/declare_context.hpp"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace velmora {

inline constexpr char16_t kNotOnVariable[] = u"ｶｰｿﾙが変数の上にありません";

struct WordUnderCaret {
  std::shared_ptr<CodePane> pane;
  std::int32_t line = 0;
  std::u16string word;
};

// True for a word that can be declared: it starts with a letter (or any non-ASCII character),
// holds no quote or apostrophe, and a type-declaration character ($ % & @) only at its end.
bool isDeclarableName(std::u16string_view word);

// True when column `column` of the line lies inside a string literal or a trailing comment.
bool isInStringOrComment(std::u16string_view line, std::int32_t column);

// The first step of a declaration: the name at the caret of the active code pane. Ends the
// command (nothing returned) silently without a pane, and with the not-on-a-variable message
// on a comment line or where no name touches the caret.
std::optional<WordUnderCaret> takeWordUnderCaret(DeclareContext& context);

} // namespace velmora
