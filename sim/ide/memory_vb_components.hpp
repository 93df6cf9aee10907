#pragma once

#include "host/vb_components.hpp"
#include "sim/ide/memory_vb_component.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sim {

// The components of an in-memory project in the order they were added; item(i) is 1-based
// and raises HostError kSubscriptOutOfRange outside 1..count().
class MemoryVbComponents final : public VbComponents {
public:
  std::int32_t count() override;
  std::shared_ptr<VbComponent> item(std::int32_t index) override;

  // Appends a component holding `lines`. Raises Error when the project already has a
  // component of that name (names compare as VB compares them).
  std::shared_ptr<MemoryVbComponent> add(std::u16string name, std::int32_t type,
                                         std::vector<std::u16string> lines = {});
  std::shared_ptr<MemoryVbComponent> add(std::u16string name, ComponentType type,
                                         std::vector<std::u16string> lines = {});
  // Appends an existing component (with the same check).
  void add(std::shared_ptr<MemoryVbComponent> component);

  // The component of that name, or null.
  std::shared_ptr<MemoryVbComponent> find(std::u16string_view name) const;
  // The code module of the component of that name; raises Error when there is none.
  std::shared_ptr<MemoryCodeModule> module(std::u16string_view name) const;
  const std::vector<std::shared_ptr<MemoryVbComponent>>& all() const { return components_; }

private:
  std::vector<std::shared_ptr<MemoryVbComponent>> components_;
};

} // namespace velmora::sim
