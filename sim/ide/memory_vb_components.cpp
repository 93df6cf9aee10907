#include "sim/ide/memory_vb_components.hpp"

#include "sim/ide/host_messages.hpp"
#include "sim/ide/vb_names.hpp"
#include "support/error.hpp"

namespace velmora::sim {

std::int32_t MemoryVbComponents::count() {
  return static_cast<std::int32_t>(components_.size());
}

std::shared_ptr<VbComponent> MemoryVbComponents::item(std::int32_t index) {
  if (index < 1 || index > count()) {
    throw HostError(kSubscriptOutOfRange);
  }
  return components_[static_cast<std::size_t>(index) - 1];
}

std::shared_ptr<MemoryVbComponent> MemoryVbComponents::add(std::u16string name, std::int32_t type,
                                                           std::vector<std::u16string> lines) {
  auto component = std::make_shared<MemoryVbComponent>(
      std::move(name), type, std::make_shared<MemoryCodeModule>(std::move(lines)));
  add(component);
  return component;
}

std::shared_ptr<MemoryVbComponent> MemoryVbComponents::add(std::u16string name, ComponentType type,
                                                           std::vector<std::u16string> lines) {
  return add(std::move(name), static_cast<std::int32_t>(type), std::move(lines));
}

void MemoryVbComponents::add(std::shared_ptr<MemoryVbComponent> component) {
  if (find(component->componentName())) {
    throw Error(u"名前 '" + component->componentName() + u"' は既に使われています。");
  }
  components_.push_back(std::move(component));
}

std::shared_ptr<MemoryVbComponent> MemoryVbComponents::find(std::u16string_view name) const {
  for (const auto& component : components_) {
    if (sameVbName(component->componentName(), name)) {
      return component;
    }
  }
  return nullptr;
}

std::shared_ptr<MemoryCodeModule> MemoryVbComponents::module(std::u16string_view name) const {
  const std::shared_ptr<MemoryVbComponent> component = find(name);
  if (!component) {
    throw Error(u"コンポーネント '" + std::u16string(name) + u"' が見つかりません。");
  }
  return component->module();
}

} // namespace velmora::sim
