#pragma once

#include "ports/window_handle.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace velmora::sim {

class SimMessageQueue;

// Modifier bits that take part in a combination, and the one extra flag the system accepts.
inline constexpr std::int32_t kHotkeyModifierMask = 0xF;
inline constexpr std::int32_t kModNoRepeat = 0x4000;

struct HotkeyRegistration {
  WindowHandle window = 0;    // 0: a hotkey of the thread itself
  std::uint32_t threadId = 0; // the registering program's thread
  std::int32_t id = 0;
  std::int32_t modifiers = 0; // as registered
  std::int32_t key = 0;       // virtual-key code
};

// The system-wide hotkey table shared by every program of a desktop.
//
// A combination (modifiers & 0xF, key) belongs to at most one registration, whoever holds it;
// one window (or one thread, for window 0) holds an id at most once. A pressed combination posts
// WM_HOTKEY to the holder's queue, with wParam the id and lParam MAKELPARAM(modifiers, key).
class SimHotkeyTable {
public:
  SimHotkeyTable() = default;
  SimHotkeyTable(const SimHotkeyTable&) = delete;
  SimHotkeyTable& operator=(const SimHotkeyTable&) = delete;

  // Returns 0 or the Windows error (already registered, invalid flags). The window has been
  // checked by the caller.
  std::uint32_t add(SimMessageQueue& thread, WindowHandle window, std::int32_t id,
                    std::int32_t modifiers, std::int32_t key);
  // Returns 0 or the Windows error (not registered).
  std::uint32_t remove(const SimMessageQueue& thread, WindowHandle window, std::int32_t id);
  // Drops the hotkeys of a destroyed window, as the system does.
  void dropWindow(WindowHandle window);

  // The user presses the combination; false when nobody holds it (nothing is posted then).
  bool press(std::int32_t modifiers, std::int32_t key);

  // Inspection.
  std::vector<HotkeyRegistration> registrations() const;
  std::optional<HotkeyRegistration> holder(std::int32_t modifiers, std::int32_t key) const;
  std::size_t count() const { return entries_.size(); }

private:
  struct Entry {
    HotkeyRegistration registration;
    SimMessageQueue* thread = nullptr;
  };

  std::vector<Entry> entries_;
};

} // namespace velmora::sim
