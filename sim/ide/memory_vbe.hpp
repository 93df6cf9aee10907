#pragma once

#include "host/vbe.hpp"
#include "sim/ide/code_windows.hpp"
#include "sim/ide/memory_vb_project.hpp"

#include <memory>
#include <string_view>

namespace velmora::sim {

// The in-memory IDE's root: the active project and the code windows. Command bars and their
// events are plugged in from outside; until they are, commandBars() and events() raise
// HostError kNoCommandBars.
class MemoryVbe final : public Vbe {
public:
  // An IDE with an empty project.
  MemoryVbe();
  explicit MemoryVbe(std::shared_ptr<MemoryVbProject> project);

  std::shared_ptr<CodePane> activeCodePane() override { return windows_.active(); }
  std::shared_ptr<VbProject> activeVBProject() override { return project_; }
  std::shared_ptr<CommandBars> commandBars() override;
  std::shared_ptr<Events> events() override;

  MemoryVbProject& project() { return *project_; }
  void setActiveProject(std::shared_ptr<MemoryVbProject> project);
  CodeWindows& windows() { return windows_; }
  // Shows the code window of the active project's component of that name (Error when the
  // project has none).
  std::shared_ptr<MemoryCodePane> showPane(std::u16string_view componentName);

  void plugCommandBars(std::shared_ptr<CommandBars> commandBars, std::shared_ptr<Events> events);

private:
  std::shared_ptr<MemoryVbProject> project_;
  CodeWindows windows_;
  std::shared_ptr<CommandBars> commandBars_;
  std::shared_ptr<Events> events_;
};

} // namespace velmora::sim
