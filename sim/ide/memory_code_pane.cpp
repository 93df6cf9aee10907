#include "sim/ide/memory_code_pane.hpp"

#include "sim/ide/host_messages.hpp"
#include "support/error.hpp"

#include <algorithm>
#include <tuple>
#include <utility>

namespace velmora::sim {

namespace {

std::int32_t lastCaretLine(MemoryCodeModule& module) {
  return std::max<std::int32_t>(1, module.countOfLines());
}

std::int32_t clampColumn(MemoryCodeModule& module, std::int32_t line, std::int32_t column) {
  const std::vector<std::u16string>& lines = module.lineTexts();
  const std::size_t length = static_cast<std::size_t>(line) <= lines.size()
                                 ? lines[static_cast<std::size_t>(line) - 1].size()
                                 : 0;
  return std::clamp<std::int32_t>(column, 1, static_cast<std::int32_t>(length) + 1);
}

} // namespace

std::shared_ptr<MemoryCodePane> MemoryCodePane::open(std::shared_ptr<MemoryCodeModule> module) {
  auto pane = std::make_shared<MemoryCodePane>(std::move(module));
  pane->module_->subscribe(pane);
  return pane;
}

MemoryCodePane::MemoryCodePane(std::shared_ptr<MemoryCodeModule> module)
    : module_(std::move(module)) {}

Selection MemoryCodePane::getSelection() {
  return selection_;
}

void MemoryCodePane::setSelection(const Selection& selection) {
  const std::int32_t lastLine = lastCaretLine(*module_);
  for (const std::int32_t line : {selection.startLine, selection.endLine}) {
    if (line < 1 || line > lastLine) {
      throw HostError(kSubscriptOutOfRange);
    }
  }
  Selection checked{
      selection.startLine, clampColumn(*module_, selection.startLine, selection.startColumn),
      selection.endLine, clampColumn(*module_, selection.endLine, selection.endColumn)};
  if (std::tie(checked.endLine, checked.endColumn) <
      std::tie(checked.startLine, checked.startColumn)) {
    std::swap(checked.startLine, checked.endLine);
    std::swap(checked.startColumn, checked.endColumn);
  }
  selection_ = checked;
}

std::shared_ptr<CodeModule> MemoryCodePane::codeModule() {
  return module_;
}

void MemoryCodePane::setCaret(std::int32_t line, std::int32_t column) {
  setSelection(Selection{line, column, line, column});
}

void MemoryCodePane::linesInserted(std::int32_t line, std::int32_t count) {
  // Only an empty module can leave the caret below the last line (on the line it shows while
  // empty); keep it on a line that exists.
  const std::int32_t lastLine = lastCaretLine(*module_);
  for (std::int32_t* position : {&selection_.startLine, &selection_.endLine}) {
    if (*position >= line) {
      *position = std::min(*position + count, lastLine);
    }
  }
}

} // namespace velmora::sim
