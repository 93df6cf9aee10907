#include "sim/ide/project_loader.hpp"

#include "sim/ide/vbp_file.hpp"

namespace velmora::sim {

void LoadedProject::save() const {
  for (const LoadedComponent& loaded : components) {
    if (loaded.source->edited()) {
      loaded.source->save(loaded.file);
    }
  }
}

void LoadedProject::saveInto(const std::filesystem::path& directory) const {
  for (const LoadedComponent& loaded : components) {
    loaded.source->save(directory / loaded.file.filename());
  }
}

LoadedProject loadProject(const std::vector<std::filesystem::path>& files,
                          const AnsiCodePage& ansi) {
  LoadedProject loaded;
  loaded.project = std::make_shared<MemoryVbProject>();
  for (const std::filesystem::path& file : files) {
    std::shared_ptr<SourceBinding> source = SourceBinding::bind(readSourceFile(file, ansi));
    auto component = std::make_shared<MemoryVbComponent>(source->source().name,
                                                         source->source().type, source->module());
    loaded.project->components().add(component);
    loaded.components.push_back({file, std::move(component), std::move(source)});
  }
  return loaded;
}

LoadedProject loadVbp(const std::filesystem::path& vbp, const AnsiCodePage& ansi) {
  const VbpFile project = readVbp(vbp, ansi);
  LoadedProject loaded = loadProject(project.files, ansi);
  loaded.name = project.name;
  return loaded;
}

} // namespace velmora::sim
