#pragma once

#include "host/code_module.hpp"
#include "sim/ide/line_insertion_listener.hpp"
#include "sim/ide/procedure_map.hpp"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sim {

// A code module held in memory, behaving as the IDE's code module does.
//
// - Line numbers outside the module raise HostError kSubscriptOutOfRange; a negative count
//   raises kInvalidCallOrArgument. `lines(start, 0)` is "" for start up to countOfLines() + 1.
// - Procedures are found from the code (see ProcedureMap), afresh after every edit.
// - insertLines and addFromString split their text at CR LF, CR or LF; a final line break
//   gives one more, empty line.
// - addFromString inserts after the declarations section (countOfDeclarationLines() + 1),
//   which is before the blank and comment lines above the first procedure, or appends to a
//   module without procedures.
class MemoryCodeModule final : public CodeModule {
public:
  MemoryCodeModule() = default;
  explicit MemoryCodeModule(std::vector<std::u16string> lines);
  // Panes and source files follow one module; a copy would leave them behind.
  MemoryCodeModule(const MemoryCodeModule&) = delete;
  MemoryCodeModule& operator=(const MemoryCodeModule&) = delete;
  ~MemoryCodeModule() override = default;
  // The module holding `text`, split as insertLines splits its text.
  static std::shared_ptr<MemoryCodeModule> fromText(std::u16string_view text);

  std::u16string lines(std::int32_t startLine, std::int32_t count) override;
  std::int32_t countOfLines() override;
  std::int32_t countOfDeclarationLines() override;
  std::u16string procOfLine(std::int32_t line, ProcKind& kind) override;
  std::int32_t procBodyLine(const std::u16string& name, ProcKind kind) override;
  void insertLines(std::int32_t line, const std::u16string& text) override;
  void addFromString(const std::u16string& text) override;

  // The IDE's ProcStartLine: the first line that belongs to the procedure.
  std::int32_t procStartLine(const std::u16string& name, ProcKind kind);
  // What typing in the code window does to a line: its text becomes `text`; no line moves, so
  // the listeners hear nothing. A line outside the module raises kSubscriptOutOfRange.
  void replaceLine(std::int32_t line, std::u16string text);

  const std::vector<std::u16string>& lineTexts() const { return lines_; }
  // All lines joined by CR LF.
  std::u16string text() const;
  const ProcedureMap& procedures();

  // `listener` hears of every insertion for as long as it lives.
  void subscribe(const std::shared_ptr<LineInsertionListener>& listener);

private:
  std::int32_t count() const { return static_cast<std::int32_t>(lines_.size()); }
  const Procedure& procedure(const std::u16string& name, ProcKind kind);
  void insertAt(std::int32_t line, const std::u16string& text);

  std::vector<std::u16string> lines_;
  std::optional<ProcedureMap> procedures_;
  std::vector<std::weak_ptr<LineInsertionListener>> listeners_;
};

} // namespace velmora::sim
