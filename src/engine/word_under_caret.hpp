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

// The first step of a declaration: the name at the caret of the active code pane. Ends the
// command (nothing returned) silently without a pane, and with the not-on-a-variable message
// where no variable name touches the caret: a comment line, no word, a word that is no name or
// a reserved one, a member after "." or "!", a word inside a string or a comment (read over the
// whole logical line), or a word on a conditional-compilation line.
std::optional<WordUnderCaret> takeWordUnderCaret(DeclareContext& context);

} // namespace velmora
