#include "services/subclass_layers.hpp"

#include <algorithm>

namespace velmora::win32 {

namespace {

using Layers = std::vector<SubclassLayerPtr>;

Layers::const_iterator position(const Layers& layers, const SubclassLayer* layer) {
  return std::find_if(layers.begin(), layers.end(),
                      [layer](const SubclassLayerPtr& held) { return held.get() == layer; });
}

} // namespace

SubclassLayers& SubclassLayers::instance() {
  static SubclassLayers layers;
  return layers;
}

void SubclassLayers::push(HWND window, SubclassLayerPtr layer) {
  const std::lock_guard lock(mutex_);
  windows_[window].push_back(std::move(layer));
}

SubclassLayerPtr SubclassLayers::top(HWND window) const {
  const std::lock_guard lock(mutex_);
  const auto found = windows_.find(window);
  if (found == windows_.end() || found->second.empty()) {
    return nullptr;
  }
  return found->second.back();
}

SubclassLayerPtr SubclassLayers::below(HWND window, const SubclassLayer* layer) const {
  const std::lock_guard lock(mutex_);
  const auto found = windows_.find(window);
  if (found == windows_.end()) {
    return nullptr;
  }
  const auto at = position(found->second, layer);
  if (at == found->second.end() || at == found->second.begin()) {
    return nullptr;
  }
  return *(at - 1);
}

SubclassLayerPtr SubclassLayers::displacing(HWND window, WNDPROC previous) const {
  const std::lock_guard lock(mutex_);
  const auto found = windows_.find(window);
  if (found == windows_.end()) {
    return nullptr;
  }
  const Layers& layers = found->second;
  const auto at = std::find_if(layers.rbegin(), layers.rend(), [previous](const auto& layer) {
    return layer->previous == previous;
  });
  return at == layers.rend() ? nullptr : *at;
}

void SubclassLayers::dropFrom(HWND window, const SubclassLayer* layer) {
  const std::lock_guard lock(mutex_);
  const auto found = windows_.find(window);
  if (found == windows_.end()) {
    return;
  }
  Layers& layers = found->second;
  layers.erase(position(layers, layer), layers.end());
  if (layers.empty()) {
    windows_.erase(found);
  }
}

void SubclassLayers::forget(HWND window) {
  const std::lock_guard lock(mutex_);
  windows_.erase(window);
}

std::vector<std::pair<HWND, SubclassLayerPtr>> SubclassLayers::lowestOf(const void* owner) const {
  const std::lock_guard lock(mutex_);
  std::vector<std::pair<HWND, SubclassLayerPtr>> lowest;
  for (const auto& [window, layers] : windows_) {
    const auto at = std::find_if(layers.begin(), layers.end(),
                                 [owner](const auto& layer) { return layer->owner == owner; });
    if (at != layers.end()) {
      lowest.emplace_back(window, *at);
    }
  }
  return lowest;
}

} // namespace velmora::win32
