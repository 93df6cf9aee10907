#include "services/test_windows.hpp"
#include "services/win32_atom_table.hpp"
#include "services/win32_hotkey_service.hpp"
#include "services/win32_window_procedures.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::testing {
namespace {

constexpr UINT kCtrlShift = MOD_CONTROL | MOD_SHIFT;

// The way the add-in holds a hotkey: the atom of its name is the identifier, the window's
// procedure is replaced, and a real key press arrives there as WM_HOTKEY.
TEST(HotkeyService, AKeyPressArrivesAsWmHotKeyInTheReplacedProcedure) {
  TestWindow window;
  win32::Win32AtomTable atoms;
  win32::Win32HotkeyService hotkeys;
  win32::Win32WindowProcedures procedures;
  std::vector<WindowMessage> pressed;
  WindowProcedures::Previous previous = 0;
  previous = procedures.replace(window.handle(), [&](const WindowMessage& message) {
    if (message.message == kWmHotKey) {
      pressed.push_back(message);
      return std::intptr_t{0};
    }
    return procedures.callPrevious(previous, message);
  });
  const std::uint16_t id = atoms.add("VelmoraTest.hotkey." + std::to_string(GetCurrentProcessId()));
  ASSERT_TRUE(hotkeys.registerHotKey(window.handle(), id, kCtrlShift, 'D'));

  for (const WORD key : {WORD{VK_CONTROL}, WORD{VK_SHIFT}, WORD{'D'}}) {
    keybd_event(static_cast<BYTE>(key), 0, 0, 0);
  }
  for (const WORD key : {WORD{'D'}, WORD{VK_SHIFT}, WORD{VK_CONTROL}}) {
    keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
  }
  // Bounded only so that a lost key press fails the test instead of hanging it.
  MSG message{};
  for (int wait = 0; pressed.empty() && wait < 200; ++wait) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
      DispatchMessageW(&message);
    }
  }
  ASSERT_EQ(pressed.size(), 1u);
  EXPECT_EQ(pressed[0].window, window.handle());
  EXPECT_EQ(pressed[0].wParam, id);
  EXPECT_EQ(pressed[0].lParam, MAKELPARAM(kCtrlShift, 'D'));
  EXPECT_FALSE(originalSawMessage(WM_HOTKEY));

  EXPECT_TRUE(hotkeys.unregisterHotKey(window.handle(), id));
}

} // namespace
} // namespace velmora::testing
