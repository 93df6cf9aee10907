#include "sim/ide/code_windows.hpp"

#include <algorithm>

namespace velmora::sim {

std::shared_ptr<MemoryCodePane> CodeWindows::open(const std::shared_ptr<MemoryCodeModule>& module) {
  for (const auto& pane : panes_) {
    if (pane->module() == module) {
      return pane;
    }
  }
  panes_.push_back(MemoryCodePane::open(module));
  return panes_.back();
}

std::shared_ptr<MemoryCodePane> CodeWindows::show(const std::shared_ptr<MemoryCodeModule>& module) {
  std::shared_ptr<MemoryCodePane> pane = open(module);
  active_ = pane;
  return pane;
}

void CodeWindows::activate(const std::shared_ptr<MemoryCodePane>& pane) {
  if (std::find(panes_.begin(), panes_.end(), pane) == panes_.end()) {
    panes_.push_back(pane);
  }
  active_ = pane;
}

} // namespace velmora::sim
