#pragma once

#include "sim/ide/ansi_code_page.hpp"
#include "sim/ide/memory_vb_project.hpp"
#include "sim/ide/source_binding.hpp"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace velmora::sim {

// A component loaded from a source file, with the binding that writes it back.
struct LoadedComponent {
  std::filesystem::path file;
  std::shared_ptr<MemoryVbComponent> component;
  std::shared_ptr<SourceBinding> source;
};

// An in-memory project built from source files.
struct LoadedProject {
  std::u16string name;
  std::shared_ptr<MemoryVbProject> project;
  std::vector<LoadedComponent> components; // in project order

  // Writes back to its file every component whose code was changed; the others stay untouched.
  void save() const;
  // Writes every component to a file of the same name in `directory` (an unchanged one as the
  // bytes it was read from).
  void saveInto(const std::filesystem::path& directory) const;
};

// One component per file, in the order given. Raises Error for a file that cannot be read,
// an extension that is no module's, a file in neither UTF-8 nor (exactly) the ANSI code page,
// or two components of one name.
LoadedProject loadProject(const std::vector<std::filesystem::path>& files,
                          const AnsiCodePage& ansi = {});
// The module files of a project file, in the order it lists them.
LoadedProject loadVbp(const std::filesystem::path& vbp, const AnsiCodePage& ansi = {});

} // namespace velmora::sim
