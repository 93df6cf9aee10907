#include "common/hot_key_probe.hpp"
#include "services/test_windows.hpp"
#include "services/win32_atom_table.hpp"
#include "services/win32_hotkey_service.hpp"
#include "services/win32_window_procedures.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::testing {
namespace {

using win32::Win32AtomTable;
using win32::Win32HotkeyService;
using win32::Win32WindowProcedures;

// A name no other test program of the prefix uses.
std::string atomName(const char* what) {
  return std::string("VelmoraTest.") + what + "." + std::to_string(GetCurrentProcessId());
}

// Counted atoms that go with the last removal; names the system would misread are refused.
TEST(AtomTable, AddsCountedAtomsAndRefusesNamesTheSystemWouldMisread) {
  Win32AtomTable atoms;
  const std::string name = atomName("counted");
  const std::uint16_t first = atoms.add(name);
  ASSERT_GE(first, 0xC000);
  EXPECT_EQ(atoms.add(name), first);
  EXPECT_EQ(GlobalFindAtomA(name.c_str()), first);
  atoms.remove(first);
  EXPECT_EQ(GlobalFindAtomA(name.c_str()), first) << "one reference is still held";
  atoms.remove(first);
  EXPECT_EQ(GlobalFindAtomA(name.c_str()), 0);

  EXPECT_EQ(atoms.add(name + std::string(1, '\0') + "tail"), 0);
  EXPECT_EQ(GlobalFindAtomA(name.c_str()), 0) << "no atom for the text before the NUL";
  EXPECT_EQ(atoms.add(std::string(300, 'x')), 0);
}

void pressCtrlShift(WORD key) {
  std::vector<INPUT> inputs;
  for (const WORD press :
       {WORD{VK_CONTROL}, WORD{VK_SHIFT}, key, key, WORD{VK_SHIFT}, WORD{VK_CONTROL}}) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = press;
    input.ki.dwFlags = inputs.size() < 3 ? 0 : KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)),
            inputs.size());
}

// The way the add-in holds a hotkey: the atom of its name is the identifier, the window's
// procedure is replaced, and a key press arrives there as WM_HOTKEY. A combination held elsewhere
// cannot be registered.
TEST(HotkeyService, AKeyPressArrivesAsWmHotKeyInTheReplacedProcedure) {
  TestWindow window;
  Win32AtomTable atoms;
  Win32HotkeyService hotkeys;
  Win32WindowProcedures procedures;
  std::vector<WindowMessage> pressed;
  WindowProcedures::Previous previous = 0;
  previous = procedures.replace(window.handle(), [&](const WindowMessage& message) {
    if (message.message == kWmHotKey) {
      pressed.push_back(message);
      return std::intptr_t{0};
    }
    return procedures.callPrevious(previous, message);
  });
  ASSERT_NE(previous, 0u);

  const std::string name = atomName("hotkey");
  const std::uint16_t id = atoms.add(name);
  ASSERT_NE(id, 0);
  {
    HeldHotKey other(kCtrlShift, 'D');
    ASSERT_TRUE(other.held());
    EXPECT_FALSE(hotkeys.registerHotKey(window.handle(), id, kCtrlShift, 'D'));
    EXPECT_EQ(hotkeys.lastError(), static_cast<std::uint32_t>(ERROR_HOTKEY_ALREADY_REGISTERED));
  }
  ASSERT_TRUE(hotkeys.registerHotKey(window.handle(), id, kCtrlShift, 'D'));
  EXPECT_EQ(hotkeys.lastError(), 0u);
  pressCtrlShift('D');
  ASSERT_TRUE(pumpUntil([&] { return !pressed.empty(); }));
  EXPECT_EQ(pressed[0].window, window.handle());
  EXPECT_EQ(pressed[0].wParam, id);
  EXPECT_EQ(pressed[0].lParam, MAKELPARAM(kCtrlShift, 'D'));
  EXPECT_FALSE(originalSawMessage(WM_HOTKEY));

  EXPECT_TRUE(hotkeys.unregisterHotKey(window.handle(), id));
  EXPECT_FALSE(hotkeys.unregisterHotKey(window.handle(), id));
  EXPECT_EQ(hotkeys.lastError(), static_cast<std::uint32_t>(ERROR_HOTKEY_NOT_REGISTERED));
  atoms.remove(id);
  EXPECT_EQ(GlobalFindAtomA(name.c_str()), 0);
  procedures.restore(window.handle(), previous);

  EXPECT_EQ(registrationError(kCtrlShift, 'D'), 0u) << "released, it is free for others again";
}

} // namespace
} // namespace velmora::testing
