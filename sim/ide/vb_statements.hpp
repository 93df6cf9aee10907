#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::sim {

enum class TokenKind { Word, Number, String, Symbol };

// A piece of code outside comments. A word is an identifier or keyword without its type
// suffix (`Foo$` is `Foo`) and without the brackets of an escaped name (`[Foo]` is `Foo`);
// a string keeps its quotes.
struct Token {
  TokenKind kind = TokenKind::Symbol;
  std::u16string text;
};

enum class StatementShape { Blank, Comment, Code };

// One logical line: a physical line and the lines it continues onto. A line continues when
// it ends in "_" preceded by a space or tab (trailing spaces and tabs aside), outside a string;
// as in VB, a comment continues that way too. Lines are 1-based.
struct Statement {
  std::int32_t firstLine = 0;
  std::int32_t lastLine = 0;
  // Code: it holds at least one token. Comment: only a comment (' or Rem). Blank: nothing.
  StatementShape shape = StatementShape::Blank;
  std::vector<Token> tokens;
};

std::vector<Statement> splitStatements(const std::vector<std::u16string>& lines);

} // namespace velmora::sim
