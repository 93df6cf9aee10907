#pragma once

#include "ports/hotkey_service.hpp"

#include <cstdint>

namespace velmora::sim {

class SimHotkeyTable;
class SimMessageQueue;
class SimWindows;

// One program's access to the desktop's hotkey table. The window must be one of the program's
// own (or 0, for hotkeys of the thread); every failure leaves its Windows error in lastError().
class SimHotkeyService final : public HotkeyService {
public:
  SimHotkeyService(SimHotkeyTable& table, const SimWindows& windows, SimMessageQueue& thread);

  bool registerHotKey(WindowHandle window, std::int32_t id, std::int32_t modifiers,
                      std::int32_t key) override;
  bool unregisterHotKey(WindowHandle window, std::int32_t id) override;

  // The error of the last call, 0 after a success.
  std::uint32_t lastError() const { return lastError_; }

private:
  std::uint32_t checkWindow(WindowHandle window) const;
  bool done(std::uint32_t error);

  SimHotkeyTable& table_;
  const SimWindows& windows_;
  SimMessageQueue& thread_;
  std::uint32_t lastError_ = 0;
};

} // namespace velmora::sim
