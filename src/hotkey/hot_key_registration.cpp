#include "hotkey/hot_key_registration.hpp"

namespace velmora {

bool RegisterHotKeys(HotKeyHook& hook, const HotKeyPorts& ports, int n, WindowHandle window,
                     const std::string& atomName, std::int32_t modifiers, std::int32_t key) {
  if (!hook.hasSlot(n)) {
    return false;
  }
  if (hook.HotKeyId(n) != 0) {
    UnregisterHotKeys(hook, ports, n, window);
  }
  const std::uint16_t atom = ports.atoms.add(atomName);
  hook.HotKeyId(n) = atom;
  // Without an atom there is no identifier to register, nor one to release later.
  if (atom == 0) {
    return false;
  }
  return ports.hotkeys.registerHotKey(window, atom, modifiers, key);
}

void UnregisterHotKeys(HotKeyHook& hook, const HotKeyPorts& ports, int n, WindowHandle window) {
  if (!hook.hasSlot(n) || hook.HotKeyId(n) == 0) {
    return;
  }
  const std::int32_t id = hook.HotKeyId(n);
  ports.hotkeys.unregisterHotKey(window, id);
  ports.atoms.remove(static_cast<std::uint16_t>(id));
  hook.HotKeyId(n) = 0;
}

} // namespace velmora
