#pragma once

#include "host/vb_project.hpp"
#include "sim/ide/memory_vb_components.hpp"

#include <memory>

namespace velmora::sim {

// An in-memory project: an ordered collection of components.
class MemoryVbProject final : public VbProject {
public:
  MemoryVbProject();

  std::shared_ptr<VbComponents> vbComponents() override { return components_; }

  MemoryVbComponents& components() { return *components_; }

private:
  std::shared_ptr<MemoryVbComponents> components_;
};

} // namespace velmora::sim
