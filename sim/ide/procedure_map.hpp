#pragma once

#include "host/code_module.hpp"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sim {

// A procedure as the code window sees it. Lines are 1-based.
struct Procedure {
  std::u16string name;
  ProcKind kind = ProcKind::Procedure;
  // First line that belongs to it: the blank and comment lines above the header are its own.
  std::int32_t startLine = 0;
  // First and last line of the header statement (Sub, Function, Property Get/Let/Set).
  std::int32_t bodyLine = 0;
  std::int32_t headerLastLine = 0;
  // Line of its End Sub/Function/Property, 0 when the code never ends it.
  std::int32_t endLine = 0;
  // Last line that belongs to it: the line before the next procedure's first line, or the
  // module's last line for the last procedure (trailing blank lines are its own).
  std::int32_t lastLine = 0;
};

// The procedures of a module, found from its code the way the IDE finds them.
//
// A header is a statement of the form [Public|Private|Friend] [Static] Sub|Function|
// Property Get|Let|Set name; it runs up to the next End Sub, End Function or End Property
// statement. The declarations section ends with its last statement that is neither blank nor
// a comment; the lines between that one and the first header belong to the first procedure.
// Between two procedures, conditional-compilation lines (#If, #ElseIf, #Else, #End If,
// #Const) belong to the following procedure as blank and comment lines do. A procedure left
// without an End runs up to its last statement before the next header.
class ProcedureMap {
public:
  static ProcedureMap scan(const std::vector<std::u16string>& lines);

  const std::vector<Procedure>& procedures() const { return procedures_; }
  // Last line of the declarations section (0 when it is empty); the whole module when it
  // has no procedure.
  std::int32_t declarationLines() const { return declarationLines_; }
  // The procedure that owns `line`; null in the declarations section.
  const Procedure* procedureAt(std::int32_t line) const;
  // The procedure of that name (compared as VB compares names) and kind; null when none.
  const Procedure* find(std::u16string_view name, ProcKind kind) const;

private:
  std::vector<Procedure> procedures_;
  std::int32_t declarationLines_ = 0;
};

} // namespace velmora::sim
