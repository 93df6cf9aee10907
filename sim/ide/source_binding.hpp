#pragma once

#include "sim/ide/line_insertion_listener.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "sim/ide/source_file.hpp"

#include <filesystem>
#include <memory>
#include <string>

namespace velmora::sim {

// A source file tied to the module that shows its code: the module's edits are what the file
// gets back, and its hidden lines stay below the code lines they followed.
class SourceBinding final : public LineInsertionListener {
public:
  // A new module holding the source's code, bound to the source.
  static std::shared_ptr<SourceBinding> bind(SourceText source);

  explicit SourceBinding(SourceText source);

  const std::shared_ptr<MemoryCodeModule>& module() const { return module_; }
  const SourceText& source() const { return source_; }
  // Whether the module's code was changed since the file was read.
  bool edited() const { return edited_; }
  // The file as it stands now: the bytes it was read from while the code is unchanged; else
  // the header, then the module's lines and the hidden lines.
  std::string render() const;
  void save(const std::filesystem::path& file) const;

  void linesInserted(std::int32_t line, std::int32_t count) override;

private:
  SourceText source_;
  std::shared_ptr<MemoryCodeModule> module_;
  bool edited_ = false;
};

} // namespace velmora::sim
