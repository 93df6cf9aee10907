#include "sim/ide/memory_vb_component.hpp"

namespace velmora::sim {

MemoryVbComponent::MemoryVbComponent(std::u16string name, std::int32_t type,
                                     std::shared_ptr<MemoryCodeModule> module)
    : name_(std::move(name)), type_(type), module_(std::move(module)) {}

} // namespace velmora::sim
