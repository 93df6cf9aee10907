#pragma once

#include "hotkey/hot_key_hook.hpp"
#include "hotkey/hot_key_ports.hpp"
#include "ports/window_handle.hpp"

#include <cstdint>
#include <string>

namespace velmora {

// Registers hotkey n for the window under the global atom `atomName`, first releasing what the
// slot still holds. The atom stays in the slot when the combination is refused, so that the next
// unregistration deletes it. False when the hotkey is not registered.
bool RegisterHotKeys(HotKeyHook& hook, const HotKeyPorts& ports, int n, WindowHandle window,
                     const std::string& atomName, std::int32_t modifiers, std::int32_t key);

// Unregisters hotkey n and deletes its atom when the slot holds one; results are not examined.
void UnregisterHotKeys(HotKeyHook& hook, const HotKeyPorts& ports, int n, WindowHandle window);

} // namespace velmora
