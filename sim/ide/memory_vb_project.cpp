#include "sim/ide/memory_vb_project.hpp"

namespace velmora::sim {

MemoryVbProject::MemoryVbProject() : components_(std::make_shared<MemoryVbComponents>()) {}

} // namespace velmora::sim
