#pragma once

#include "ports/window_handle.hpp"

#include <cstdint>

namespace velmora {

// System-wide hotkeys; a combination held elsewhere cannot be registered again.
class HotkeyService {
public:
  virtual ~HotkeyService() = default;

  virtual bool registerHotKey(WindowHandle window, std::int32_t id, std::int32_t modifiers,
                              std::int32_t key) = 0;
  virtual bool unregisterHotKey(WindowHandle window, std::int32_t id) = 0;
};

} // namespace velmora
