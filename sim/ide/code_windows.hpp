#pragma once

#include "sim/ide/memory_code_pane.hpp"

#include <memory>
#include <vector>

namespace velmora::sim {

// The open code windows of the in-memory IDE: any number of panes, at most one of them
// active (the one with the focus).
class CodeWindows {
public:
  // The module's first open pane, opened now when it has none. Does not change the focus.
  std::shared_ptr<MemoryCodePane> open(const std::shared_ptr<MemoryCodeModule>& module);
  // Opens the module's pane and gives it the focus.
  std::shared_ptr<MemoryCodePane> show(const std::shared_ptr<MemoryCodeModule>& module);
  // Gives `pane` the focus; a pane opened elsewhere (a second window on a module) joins the
  // open windows.
  void activate(const std::shared_ptr<MemoryCodePane>& pane);
  // No pane has the focus any more; the panes stay open.
  void clearActive() { active_.reset(); }

  // The pane with the focus, or null.
  const std::shared_ptr<MemoryCodePane>& active() const { return active_; }
  const std::vector<std::shared_ptr<MemoryCodePane>>& panes() const { return panes_; }

private:
  std::vector<std::shared_ptr<MemoryCodePane>> panes_;
  std::shared_ptr<MemoryCodePane> active_;
};

} // namespace velmora::sim
