#include "engine/dim_insert_line.hpp"
#include "fuzz_input.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "sim/ide/procedure_map.hpp"
#include "sim/ide/vb_statements.hpp"
#include "support/error.hpp"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Where a local declaration goes: for every procedure of a module that ends, the line
// FindDimInsertLine gives. A "Dim" put there is a statement of its own, below the header, inside
// that procedure, as the in-memory IDE (with its own reading of the code) sees it. Input: a byte of
// flags (bit 0: the text is UTF-16LE units, else UTF-8), then the module's text.
namespace velmora::fuzz {
namespace {

constexpr std::size_t kMostProcedures = 16;

void checkProcedure(const std::vector<std::u16string>& lines, const sim::Procedure& procedure) {
  sim::MemoryCodeModule module(lines);
  // Two procedures of one name and kind (under #If and #Else): the host finds the first. A
  // procedure without its End does not compile, whatever is declared in it.
  if (module.procedures().find(procedure.name, procedure.kind)->bodyLine != procedure.bodyLine ||
      procedure.endLine == 0) {
    return;
  }
  std::int32_t at = 0;
  try {
    at = FindDimInsertLine(module, procedure.name, procedure.kind);
  } catch (const HostError&) {
    return; // a line past the module's end was asked for: the command reports it
  }
  require(at > procedure.headerLastLine, "the declaration goes into the header");
  require(at <= module.countOfLines() + 1, "the declaration goes past the module's end");

  module.insertLines(at, u"\tDim strFuzz As String");
  const std::vector<sim::Statement> statements = sim::splitStatements(module.lineTexts());
  const bool own = std::any_of(statements.begin(), statements.end(), [&](const auto& statement) {
    return statement.firstLine == at && statement.lastLine == at &&
           statement.shape == sim::StatementShape::Code;
  });
  require(own, "the declaration is not a statement of its own");
  const sim::Procedure* owner = module.procedures().procedureAt(at);
  require(owner != nullptr && owner->name == procedure.name && owner->kind == procedure.kind,
          "the declaration is outside its procedure");
  require(owner->bodyLine == procedure.bodyLine, "the declaration moved the header");
}

} // namespace

void checkInput(FuzzInput& input) {
  const bool units = (input.byte() & 1) != 0;
  const auto module = sim::MemoryCodeModule::fromText(textOf(units, input.rest()));
  const std::vector<std::u16string> lines = module->lineTexts();
  const std::vector<sim::Procedure> procedures = module->procedures().procedures();
  for (std::size_t i = 0; i < std::min(procedures.size(), kMostProcedures); ++i) {
    checkProcedure(lines, procedures[i]);
  }
}

} // namespace velmora::fuzz
