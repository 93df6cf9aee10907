#pragma once

#include "host/code_pane.hpp"
#include "sim/ide/line_insertion_listener.hpp"
#include "sim/ide/memory_code_module.hpp"

#include <memory>

namespace velmora::sim {

// A code window over a MemoryCodeModule, with its selection.
//
// setSelection, as the IDE's editor does:
// - a line outside 1..max(1, countOfLines()) raises HostError kSubscriptOutOfRange;
// - a column is clamped into 1..length of its line + 1 (so 0, negative columns and columns
//   past the end of the line are taken as the line's start or end; tabs count as one column);
// - when the end lies before the start the two are swapped, so getSelection always reports
//   start <= end.
// When lines are inserted at or above a position of the selection, that position moves down
// with its text; insertions below it leave it alone.
class MemoryCodePane final : public CodePane, public LineInsertionListener {
public:
  // A new pane (caret at line 1, column 1) that follows the module's insertions.
  static std::shared_ptr<MemoryCodePane> open(std::shared_ptr<MemoryCodeModule> module);

  explicit MemoryCodePane(std::shared_ptr<MemoryCodeModule> module);

  Selection getSelection() override;
  void setSelection(const Selection& selection) override;
  std::shared_ptr<CodeModule> codeModule() override;

  // An empty selection at (line, column), checked as setSelection checks it.
  void setCaret(std::int32_t line, std::int32_t column);
  const std::shared_ptr<MemoryCodeModule>& module() const { return module_; }

  void linesInserted(std::int32_t line, std::int32_t count) override;

private:
  std::shared_ptr<MemoryCodeModule> module_;
  Selection selection_;
};

} // namespace velmora::sim
