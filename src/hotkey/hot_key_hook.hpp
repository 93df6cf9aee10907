#pragma once

#include "ports/window_procedure.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora {

class HotKeyForm;

// The state of the hotkeys' window hook: the procedure it displaced, the identifier under which
// each slot was last registered, and the form the hooked procedure calls.
struct HotKeyHook {
  WindowProcedures::Previous PrevWndProc = 0; // 0 while no hook is installed
  std::vector<std::int32_t> HotKeyIds;        // slot n is element n - 1; 0 when it holds none
  std::int16_t HotKeyCount = 0;
  HotKeyForm* HookedForm = nullptr; // not owned

  bool hasSlot(int n) const {
    return n >= 1 && n <= HotKeyCount && static_cast<std::size_t>(n) <= HotKeyIds.size();
  }
  // Slot n, which must exist.
  std::int32_t& HotKeyId(int n) { return HotKeyIds.at(static_cast<std::size_t>(n - 1)); }
};

} // namespace velmora
