#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// Procedure kinds as the IDE numbers them.
enum class ProcKind : std::int32_t {
  Procedure = 0,
  PropertyLet = 1,
  PropertySet = 2,
  PropertyGet = 3
};

// The code of one module as the code window shows it. Lines are 1-based. Every operation
// raises HostError with the host's description when the host refuses it.
class CodeModule {
public:
  virtual ~CodeModule() = default;

  // The text of `count` lines from `startLine`, joined by CR LF, without a final line break.
  virtual std::u16string lines(std::int32_t startLine, std::int32_t count) = 0;
  virtual std::int32_t countOfLines() = 0;
  virtual std::int32_t countOfDeclarationLines() = 0;
  // Name of the procedure holding `line`; empty in the declarations section.
  virtual std::u16string procOfLine(std::int32_t line, ProcKind& kind) = 0;
  // Line of the procedure's header statement.
  virtual std::int32_t procBodyLine(const std::u16string& name, ProcKind kind) = 0;
  // `text` becomes line `line`; that line and all below move down.
  virtual void insertLines(std::int32_t line, const std::u16string& text) = 0;
  // Adds `text` at module level, before the first procedure.
  virtual void addFromString(const std::u16string& text) = 0;
};

} // namespace velmora
