#include "sim/system/sim_hotkeys.hpp"

#include "ports/window_procedure.hpp"
#include "sim/system/sim_errors.hpp"
#include "sim/system/sim_message_queue.hpp"

#include <algorithm>

namespace velmora::sim {
namespace {

bool sameCombination(const HotkeyRegistration& registration, std::int32_t modifiers,
                     std::int32_t key) {
  return (registration.modifiers & kHotkeyModifierMask) == (modifiers & kHotkeyModifierMask) &&
         registration.key == key;
}

// MAKELPARAM as a 32-bit program builds it: two 16-bit words, the result a signed 32-bit value.
std::intptr_t makeLParam(std::int32_t low, std::int32_t high) {
  const auto word = [](std::int32_t value) { return static_cast<std::uint32_t>(value) & 0xFFFFU; };
  return static_cast<std::int32_t>(word(low) | (word(high) << 16U));
}

} // namespace

std::uint32_t SimHotkeyTable::add(SimMessageQueue& thread, WindowHandle window, std::int32_t id,
                                  std::int32_t modifiers, std::int32_t key) {
  if ((modifiers & ~(kHotkeyModifierMask | kModNoRepeat)) != 0) {
    return kErrorInvalidFlags;
  }
  for (const Entry& entry : entries_) {
    const HotkeyRegistration& held = entry.registration;
    const bool sameOwner = held.window == window && (window != 0 || entry.thread == &thread);
    if (sameCombination(held, modifiers, key) || (sameOwner && held.id == id)) {
      return kErrorHotkeyAlreadyRegistered;
    }
  }
  entries_.push_back({{window, thread.threadId(), id, modifiers, key}, &thread});
  return kErrorSuccess;
}

std::uint32_t SimHotkeyTable::remove(const SimMessageQueue& thread, WindowHandle window,
                                     std::int32_t id) {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
    return entry.registration.window == window && entry.registration.id == id &&
           (window != 0 || entry.thread == &thread);
  });
  if (found == entries_.end()) {
    return kErrorHotkeyNotRegistered;
  }
  entries_.erase(found);
  return kErrorSuccess;
}

void SimHotkeyTable::dropWindow(WindowHandle window) {
  if (window == 0) {
    return;
  }
  std::erase_if(entries_,
                [window](const Entry& entry) { return entry.registration.window == window; });
}

bool SimHotkeyTable::press(std::int32_t modifiers, std::int32_t key) {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
    return sameCombination(entry.registration, modifiers, key);
  });
  if (found == entries_.end()) {
    return false;
  }
  const HotkeyRegistration& held = found->registration;
  found->thread->enqueue({held.window, kWmHotKey,
                          static_cast<std::uintptr_t>(static_cast<std::uint32_t>(held.id)),
                          makeLParam(modifiers & kHotkeyModifierMask, key)});
  return true;
}

std::vector<HotkeyRegistration> SimHotkeyTable::registrations() const {
  std::vector<HotkeyRegistration> result;
  result.reserve(entries_.size());
  for (const Entry& entry : entries_) {
    result.push_back(entry.registration);
  }
  return result;
}

std::optional<HotkeyRegistration> SimHotkeyTable::holder(std::int32_t modifiers,
                                                         std::int32_t key) const {
  for (const Entry& entry : entries_) {
    if (sameCombination(entry.registration, modifiers, key)) {
      return entry.registration;
    }
  }
  return std::nullopt;
}

} // namespace velmora::sim
