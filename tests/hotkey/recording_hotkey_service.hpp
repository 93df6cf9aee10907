#pragma once

#include "ports/hotkey_service.hpp"
#include "sim/system/sim_hotkeys.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <utility>
#include <vector>

namespace velmora::testing {

// Hands every call on to a program's hotkey service and keeps a record of the registrations
// attempted.
class RecordingHotkeyService final : public HotkeyService {
public:
  explicit RecordingHotkeyService(HotkeyService& inner) : inner_(inner) {}

  bool registerHotKey(WindowHandle window, std::int32_t id, std::int32_t modifiers,
                      std::int32_t key) override {
    if (fault) {
      std::rethrow_exception(std::exchange(fault, nullptr));
    }
    attempts.push_back({window, 0, id, modifiers, key});
    return inner_.registerHotKey(window, id, modifiers, key);
  }
  bool unregisterHotKey(WindowHandle window, std::int32_t id) override {
    return inner_.unregisterHotKey(window, id);
  }

  std::size_t attemptsFor(std::int32_t modifiers, std::int32_t key) const {
    return static_cast<std::size_t>(
        std::ranges::count_if(attempts, [&](const sim::HotkeyRegistration& attempt) {
          return attempt.modifiers == modifiers && attempt.key == key;
        }));
  }

  std::vector<sim::HotkeyRegistration> attempts;
  // Thrown, once, by the next registration instead of registering.
  std::exception_ptr fault;

private:
  HotkeyService& inner_;
};

} // namespace velmora::testing
