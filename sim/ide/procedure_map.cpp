#include "sim/ide/procedure_map.hpp"

#include "sim/ide/vb_names.hpp"
#include "sim/ide/vb_statements.hpp"

#include <optional>

namespace velmora::sim {

namespace {

bool isWord(const std::vector<Token>& tokens, std::size_t i, std::u16string_view word) {
  return i < tokens.size() && tokens[i].kind == TokenKind::Word && sameVbName(tokens[i].text, word);
}

bool isModifier(const std::vector<Token>& tokens, std::size_t i) {
  return isWord(tokens, i, u"Public") || isWord(tokens, i, u"Private") ||
         isWord(tokens, i, u"Friend") || isWord(tokens, i, u"Static");
}

struct Header {
  std::u16string name;
  ProcKind kind = ProcKind::Procedure;
};

std::optional<Header> headerOf(const Statement& statement) {
  const std::vector<Token>& tokens = statement.tokens;
  std::size_t i = 0;
  while (isModifier(tokens, i)) {
    ++i;
  }
  Header header;
  if (isWord(tokens, i, u"Sub") || isWord(tokens, i, u"Function")) {
    ++i;
  } else if (isWord(tokens, i, u"Property")) {
    ++i;
    if (isWord(tokens, i, u"Get")) {
      header.kind = ProcKind::PropertyGet;
    } else if (isWord(tokens, i, u"Let")) {
      header.kind = ProcKind::PropertyLet;
    } else if (isWord(tokens, i, u"Set")) {
      header.kind = ProcKind::PropertySet;
    } else {
      return std::nullopt;
    }
    ++i;
  } else {
    return std::nullopt;
  }
  if (i >= tokens.size() || tokens[i].kind != TokenKind::Word) {
    return std::nullopt;
  }
  header.name = tokens[i].text;
  return header;
}

bool endsProcedure(const Statement& statement) {
  const std::vector<Token>& tokens = statement.tokens;
  // A line number may stand in front of it.
  const std::size_t i = !tokens.empty() && tokens[0].kind == TokenKind::Number ? 1 : 0;
  return isWord(tokens, i, u"End") &&
         (isWord(tokens, i + 1, u"Sub") || isWord(tokens, i + 1, u"Function") ||
          isWord(tokens, i + 1, u"Property"));
}

// A conditional-compilation line: #If, #ElseIf, #Else, #End If, #Const.
bool isDirective(const Statement& statement) {
  const std::vector<Token>& tokens = statement.tokens;
  return tokens.size() >= 2 && tokens[0].kind == TokenKind::Symbol && tokens[0].text == u"#" &&
         (isWord(tokens, 1, u"If") || isWord(tokens, 1, u"ElseIf") || isWord(tokens, 1, u"Else") ||
          isWord(tokens, 1, u"End") || isWord(tokens, 1, u"Const"));
}

} // namespace

ProcedureMap ProcedureMap::scan(const std::vector<std::u16string>& lines) {
  ProcedureMap map;
  std::int32_t lastCodeLine = 0;
  bool inProcedure = false;
  for (const Statement& statement : splitStatements(lines)) {
    if (statement.shape != StatementShape::Code) {
      continue;
    }
    if (std::optional<Header> header = headerOf(statement)) {
      Procedure procedure;
      procedure.name = std::move(header->name);
      procedure.kind = header->kind;
      procedure.startLine = lastCodeLine + 1;
      procedure.bodyLine = statement.firstLine;
      procedure.headerLastLine = statement.lastLine;
      map.procedures_.push_back(std::move(procedure));
      inProcedure = true;
    } else if (inProcedure && endsProcedure(statement)) {
      map.procedures_.back().endLine = statement.lastLine;
      inProcedure = false;
    } else if (!inProcedure && !map.procedures_.empty() && isDirective(statement)) {
      continue; // between two procedures it belongs to the following one, as a comment does
    }
    lastCodeLine = statement.lastLine;
  }

  const auto count = static_cast<std::int32_t>(lines.size());
  for (std::size_t i = 0; i < map.procedures_.size(); ++i) {
    map.procedures_[i].lastLine =
        i + 1 < map.procedures_.size() ? map.procedures_[i + 1].startLine - 1 : count;
  }
  map.declarationLines_ = map.procedures_.empty() ? count : map.procedures_.front().startLine - 1;
  return map;
}

const Procedure* ProcedureMap::procedureAt(std::int32_t line) const {
  const Procedure* owner = nullptr;
  for (const Procedure& procedure : procedures_) {
    if (procedure.startLine > line) {
      break;
    }
    owner = &procedure;
  }
  return owner;
}

const Procedure* ProcedureMap::find(std::u16string_view name, ProcKind kind) const {
  for (const Procedure& procedure : procedures_) {
    if (procedure.kind == kind && sameVbName(procedure.name, name)) {
      return &procedure;
    }
  }
  return nullptr;
}

} // namespace velmora::sim
