#include "sim/ide/memory_vbe.hpp"

#include "sim/ide/host_messages.hpp"
#include "support/error.hpp"

namespace velmora::sim {

MemoryVbe::MemoryVbe() : MemoryVbe(std::make_shared<MemoryVbProject>()) {}

MemoryVbe::MemoryVbe(std::shared_ptr<MemoryVbProject> project) {
  setActiveProject(std::move(project));
}

std::shared_ptr<CommandBars> MemoryVbe::commandBars() {
  if (!commandBars_) {
    throw HostError(kNoCommandBars);
  }
  return commandBars_;
}

std::shared_ptr<Events> MemoryVbe::events() {
  if (!events_) {
    throw HostError(kNoCommandBars);
  }
  return events_;
}

void MemoryVbe::setActiveProject(std::shared_ptr<MemoryVbProject> project) {
  if (!project) {
    throw Error(u"プロジェクトがありません。");
  }
  project_ = std::move(project);
}

std::shared_ptr<MemoryCodePane> MemoryVbe::showPane(std::u16string_view componentName) {
  return windows_.show(project_->components().module(componentName));
}

void MemoryVbe::plugCommandBars(std::shared_ptr<CommandBars> commandBars,
                                std::shared_ptr<Events> events) {
  commandBars_ = std::move(commandBars);
  events_ = std::move(events);
}

} // namespace velmora::sim
