#include "sim/ide/source_binding.hpp"

#include "sim/ide/file_bytes.hpp"

namespace velmora::sim {

std::shared_ptr<SourceBinding> SourceBinding::bind(SourceText source) {
  auto binding = std::make_shared<SourceBinding>(std::move(source));
  binding->module_->subscribe(binding);
  return binding;
}

SourceBinding::SourceBinding(SourceText source)
    : source_(std::move(source)),
      module_(std::make_shared<MemoryCodeModule>(std::move(source_.codeLines))) {
  source_.codeLines.clear();
}

std::string SourceBinding::render() const {
  return edited_ ? renderSource(source_, module_->lineTexts()) : source_.original;
}

void SourceBinding::save(const std::filesystem::path& file) const {
  writeFileBytes(file, render());
}

void SourceBinding::linesInserted(std::int32_t line, std::int32_t count) {
  edited_ = true;
  // A hidden line follows its code line down; one above the insertion stays where it is.
  for (HiddenLine& hidden : source_.hiddenLines) {
    if (hidden.afterLine >= line) {
      hidden.afterLine += count;
    }
  }
}

} // namespace velmora::sim
