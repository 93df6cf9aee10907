#pragma once

#include "sim/ide/memory_vbe.hpp"
#include "sim/ide/project_loader.hpp"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::sim::vbide {

// The project open in the IDE: loaded from a project file into the in-memory IDE, whose code
// windows then show its modules. Runs on the IDE's thread only.
class ProjectSession {
public:
  explicit ProjectSession(std::shared_ptr<MemoryVbe> vbe);

  // Opens the project file (its modules read as UTF-8 or the system's ANSI code page) and makes
  // it the active project; no code window has the focus afterwards. Raises Error when a file
  // cannot be read.
  void open(const std::filesystem::path& vbp);
  // The open project's name (empty before a project is opened).
  std::u16string name() const;

  // The code module of the component of that name; Error when the project has none.
  std::shared_ptr<MemoryCodeModule> module(std::u16string_view component) const;
  // Shows the component's code window and gives it the focus.
  std::shared_ptr<MemoryCodePane> show(std::u16string_view component) const;

  MemoryVbe& vbe() const { return *vbe_; }

private:
  std::shared_ptr<MemoryVbe> vbe_;
  std::optional<LoadedProject> loaded_;
};

// Where a word is used first in a module as a whole word (not inside a longer name): the
// 1-based line and column of its first character; nothing when it is not used.
struct WordPlace {
  std::int32_t line = 0;
  std::int32_t column = 0;
};
std::optional<WordPlace> firstUse(const MemoryCodeModule& module, std::u16string_view word);

} // namespace velmora::sim::vbide
