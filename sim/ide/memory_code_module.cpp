#include "sim/ide/memory_code_module.hpp"

#include "sim/ide/host_messages.hpp"
#include "sim/ide/text_lines.hpp"
#include "support/error.hpp"

#include <algorithm>
#include <utility>

namespace velmora::sim {

MemoryCodeModule::MemoryCodeModule(std::vector<std::u16string> lines) : lines_(std::move(lines)) {}

std::shared_ptr<MemoryCodeModule> MemoryCodeModule::fromText(std::u16string_view text) {
  return std::make_shared<MemoryCodeModule>(splitLines(text));
}

std::u16string MemoryCodeModule::lines(std::int32_t startLine, std::int32_t count) {
  if (count < 0) {
    throw HostError(kInvalidCallOrArgument);
  }
  // 64-bit, so that no start and count can overflow into range.
  const std::int64_t last = std::int64_t{startLine} + count - 1;
  if (startLine < 1 || last > this->count()) {
    throw HostError(kSubscriptOutOfRange);
  }
  return joinLines(lines_, static_cast<std::size_t>(startLine - 1),
                   static_cast<std::size_t>(count));
}

std::int32_t MemoryCodeModule::countOfLines() {
  return count();
}

std::int32_t MemoryCodeModule::countOfDeclarationLines() {
  return procedures().declarationLines();
}

std::u16string MemoryCodeModule::procOfLine(std::int32_t line, ProcKind& kind) {
  if (line < 1 || line > count()) {
    throw HostError(kSubscriptOutOfRange);
  }
  const Procedure* owner = procedures().procedureAt(line);
  kind = owner != nullptr ? owner->kind : ProcKind::Procedure;
  return owner != nullptr ? owner->name : std::u16string();
}

std::int32_t MemoryCodeModule::procBodyLine(const std::u16string& name, ProcKind kind) {
  return procedure(name, kind).bodyLine;
}

std::int32_t MemoryCodeModule::procStartLine(const std::u16string& name, ProcKind kind) {
  return procedure(name, kind).startLine;
}

void MemoryCodeModule::insertLines(std::int32_t line, const std::u16string& text) {
  insertAt(line, text);
}

void MemoryCodeModule::addFromString(const std::u16string& text) {
  const ProcedureMap& map = procedures();
  insertAt(map.procedures().empty() ? count() + 1 : map.declarationLines() + 1, text);
}

void MemoryCodeModule::replaceLine(std::int32_t line, std::u16string text) {
  if (line < 1 || line > count()) {
    throw HostError(kSubscriptOutOfRange);
  }
  lines_[static_cast<std::size_t>(line - 1)] = std::move(text);
  procedures_.reset();
}

std::u16string MemoryCodeModule::text() const {
  return joinLines(lines_, 0, lines_.size());
}

const ProcedureMap& MemoryCodeModule::procedures() {
  if (!procedures_) {
    procedures_ = ProcedureMap::scan(lines_);
  }
  return *procedures_;
}

void MemoryCodeModule::subscribe(const std::shared_ptr<LineInsertionListener>& listener) {
  listeners_.push_back(listener);
}

const Procedure& MemoryCodeModule::procedure(const std::u16string& name, ProcKind kind) {
  const Procedure* found = procedures().find(name, kind);
  if (found == nullptr) {
    throw HostError(kProcedureNotDefined);
  }
  return *found;
}

void MemoryCodeModule::insertAt(std::int32_t line, const std::u16string& text) {
  if (line < 1 || line > count() + 1) {
    throw HostError(kSubscriptOutOfRange);
  }
  std::vector<std::u16string> added = splitLines(text);
  const auto addedCount = static_cast<std::int32_t>(added.size());
  lines_.insert(lines_.begin() + (line - 1), std::make_move_iterator(added.begin()),
                std::make_move_iterator(added.end()));
  procedures_.reset();

  std::erase_if(listeners_, [](const auto& listener) { return listener.expired(); });
  // A listener may subscribe another one while it hears of the insertion.
  const std::vector<std::weak_ptr<LineInsertionListener>> listeners = listeners_;
  for (const auto& weak : listeners) {
    if (const std::shared_ptr<LineInsertionListener> listener = weak.lock()) {
      listener->linesInserted(line, addedCount);
    }
  }
}

} // namespace velmora::sim
