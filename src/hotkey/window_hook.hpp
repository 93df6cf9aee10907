#pragma once

#include "hotkey/hot_key_form.hpp"
#include "hotkey/hot_key_hook.hpp"
#include "hotkey/hot_key_ports.hpp"
#include "ports/window_procedure.hpp"

#include <cstdint>

namespace velmora {

// Prepares `count` empty identifier slots, remembers the form and makes HotKeyWndProc the
// window's procedure. The hook and the ports must outlive the hook's installation.
void HookWindow(HotKeyHook& hook, const HotKeyPorts& ports, HotKeyForm& form, WindowHandle window,
                std::int16_t count);

// Puts the displaced procedure back (when a hook is installed) and lets go of the form. The
// identifier slots are left as they are.
void UnhookWindow(HotKeyHook& hook, const HotKeyPorts& ports, WindowHandle window);

// The replacement window procedure:
//   WM_ACTIVATEAPP, wParam 1: the form's Timer1 is enabled;
//   WM_ACTIVATEAPP, any other wParam: pending re-registration stops, then hotkeys 1 to 4 are
//     unregistered, the thread's pending messages dispatched after each;
//   WM_HOTKEY: the first slot holding wParam runs the form's HotKeyProc;
// these two return 0 and never reach the displaced procedure, which gets every other message.
std::intptr_t HotKeyWndProc(HotKeyHook& hook, const HotKeyPorts& ports,
                            const WindowMessage& message);

} // namespace velmora
