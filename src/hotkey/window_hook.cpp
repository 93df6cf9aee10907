#include "hotkey/window_hook.hpp"

#include "hotkey/hot_key.hpp"
#include "hotkey/hot_key_registration.hpp"

namespace velmora {

void HookWindow(HotKeyHook& hook, const HotKeyPorts& ports, HotKeyForm& form, WindowHandle window,
                std::int16_t count) {
  hook.HotKeyIds.assign(static_cast<std::size_t>(count > 0 ? count : 0), 0);
  hook.HotKeyCount = count;
  hook.HookedForm = &form;
  hook.PrevWndProc = ports.procedures.replace(window, [&hook, ports](const WindowMessage& message) {
    return HotKeyWndProc(hook, ports, message);
  });
}

void UnhookWindow(HotKeyHook& hook, const HotKeyPorts& ports, WindowHandle window) {
  if (hook.PrevWndProc != 0) {
    ports.procedures.restore(window, hook.PrevWndProc);
    hook.PrevWndProc = 0;
  }
  hook.HookedForm = nullptr;
}

namespace {

void activated(HotKeyHook& hook) {
  if (hook.HookedForm != nullptr) {
    hook.HookedForm->EnableTimer1();
  }
}

void deactivated(HotKeyHook& hook, const HotKeyPorts& ports, WindowHandle window) {
  // A registration still pending would take the hotkeys while another program is active.
  if (hook.HookedForm != nullptr) {
    hook.HookedForm->StopReRegistration();
  }
  for (int n = 1; n <= kHotKeySlots; ++n) {
    UnregisterHotKeys(hook, ports, n, window);
    ports.pump.doEvents();
  }
}

void hotKeyPressed(HotKeyHook& hook, std::uintptr_t id) {
  for (int n = 1; hook.hasSlot(n); ++n) {
    // A slot holding no identifier matches nothing, not even a message carrying 0.
    const std::int32_t held = hook.HotKeyId(n);
    if (held != 0 && static_cast<std::uintptr_t>(static_cast<std::uint32_t>(held)) == id) {
      if (hook.HookedForm != nullptr) {
        hook.HookedForm->HotKeyProc(static_cast<std::int16_t>(n));
      }
      return;
    }
  }
}

} // namespace

std::intptr_t HotKeyWndProc(HotKeyHook& hook, const HotKeyPorts& ports,
                            const WindowMessage& message) {
  switch (message.message) {
  case kWmActivateApp:
    if (message.wParam == 1) {
      activated(hook);
    } else {
      deactivated(hook, ports, message.window);
    }
    return 0;
  case kWmHotKey:
    hotKeyPressed(hook, message.wParam);
    return 0;
  default:
    return ports.procedures.callPrevious(hook.PrevWndProc, message);
  }
}

} // namespace velmora
