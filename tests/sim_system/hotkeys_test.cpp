#include "hotkey/hot_key.hpp"
#include "sim/system/sim_desktop.hpp"
#include "sim/system/sim_errors.hpp"

#include <gtest/gtest.h>

namespace velmora::sim {
namespace {

constexpr std::int32_t kCtrlShift = kModControl | kModShift;
constexpr std::int32_t kKeyD = 'D';

class SimHotkeys : public ::testing::Test {
protected:
  SimDesktop desktop;
  SimProgram& ide = desktop.createProgram("IDE");
  SimProgram& other = desktop.createProgram("Other");
  WindowHandle ideWindow = ide.ui().createWindow("settings");
  WindowHandle otherWindow = other.ui().createWindow("other");
};

TEST_F(SimHotkeys, CombinationHeldByAnotherProgramCannotBeTaken) {
  ASSERT_TRUE(other.hotkeys().registerHotKey(otherWindow, 7, kCtrlShift, kKeyD));

  // The id and the extra no-repeat flag do not matter: the combination is taken.
  EXPECT_FALSE(ide.hotkeys().registerHotKey(ideWindow, 0xC000, kCtrlShift | kModNoRepeat, kKeyD));
  EXPECT_EQ(ide.hotkeys().lastError(), kErrorHotkeyAlreadyRegistered);
  const auto holder = desktop.hotkeys().holder(kCtrlShift, kKeyD);
  ASSERT_TRUE(holder);
  EXPECT_EQ(holder->threadId, other.threadId());
  EXPECT_EQ(holder->window, otherWindow);

  // Other modifiers make another combination.
  EXPECT_TRUE(ide.hotkeys().registerHotKey(ideWindow, 0xC000, kModControl, kKeyD));

  ASSERT_TRUE(other.hotkeys().unregisterHotKey(otherWindow, 7));
  EXPECT_TRUE(ide.hotkeys().registerHotKey(ideWindow, 0xC001, kCtrlShift, kKeyD));
  EXPECT_EQ(ide.hotkeys().lastError(), kErrorSuccess);
  EXPECT_EQ(desktop.hotkeys().count(), 2U);
}

TEST_F(SimHotkeys, RegistrationAndRemovalFailuresAreReported) {
  HotkeyService& hotkeys = ide.hotkeys();
  ASSERT_TRUE(hotkeys.registerHotKey(ideWindow, 1, kCtrlShift, 'P'));
  EXPECT_FALSE(hotkeys.registerHotKey(ideWindow, 1, kCtrlShift, 'G'));
  EXPECT_EQ(ide.hotkeys().lastError(), kErrorHotkeyAlreadyRegistered);
  // The same id on another window is another registration.
  const WindowHandle second = ide.ui().createWindow("second");
  EXPECT_TRUE(hotkeys.registerHotKey(second, 1, kCtrlShift, 'G'));

  EXPECT_FALSE(hotkeys.registerHotKey(ideWindow, 2, 0x10, 'B'));
  EXPECT_EQ(ide.hotkeys().lastError(), kErrorInvalidFlags);
  EXPECT_FALSE(hotkeys.registerHotKey(otherWindow, 2, kCtrlShift, 'B'));
  EXPECT_EQ(ide.hotkeys().lastError(), kErrorWindowOfOtherThread);

  EXPECT_FALSE(hotkeys.unregisterHotKey(ideWindow, 99));
  EXPECT_EQ(ide.hotkeys().lastError(), kErrorHotkeyNotRegistered);
  EXPECT_TRUE(hotkeys.unregisterHotKey(ideWindow, 1));
  EXPECT_FALSE(hotkeys.unregisterHotKey(ideWindow, 1));

  // Destroying a window releases its hotkeys; its handle is no window any more.
  ide.ui().destroyWindow(second);
  EXPECT_FALSE(desktop.hotkeys().holder(kCtrlShift, 'G'));
  EXPECT_FALSE(hotkeys.unregisterHotKey(second, 1));
  EXPECT_EQ(ide.hotkeys().lastError(), kErrorInvalidWindowHandle);
  EXPECT_EQ(desktop.hotkeys().count(), 0U);
}

TEST_F(SimHotkeys, PressPostsHotkeyMessageToTheHoldersQueue) {
  ASSERT_TRUE(ide.hotkeys().registerHotKey(ideWindow, 0xC002, kCtrlShift | kModNoRepeat, kKeyD));
  EXPECT_FALSE(desktop.hotkeys().press(kCtrlShift, 'Q'));
  EXPECT_TRUE(desktop.hotkeys().press(kCtrlShift, kKeyD));

  EXPECT_TRUE(other.queue().pending().empty());
  ASSERT_EQ(ide.queue().pending().size(), 1U);
  // Nothing reaches the window before its program pumps.
  EXPECT_TRUE(desktop.windows().defaultProcedureMessages(ideWindow).empty());

  ide.pump().doEvents();
  const auto& seen = desktop.windows().defaultProcedureMessages(ideWindow);
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0].window, ideWindow);
  EXPECT_EQ(seen[0].message, kWmHotKey);
  EXPECT_EQ(seen[0].wParam, 0xC002U);
  EXPECT_EQ(seen[0].lParam, (kKeyD << 16) | kCtrlShift);
}

TEST_F(SimHotkeys, ThreadHotkeyIsPerProgramAndArrivesAsThreadMessage) {
  ASSERT_TRUE(ide.hotkeys().registerHotKey(0, 5, kModAlt, 'Z'));
  ASSERT_TRUE(other.hotkeys().registerHotKey(0, 5, kModAlt, 'Y'));
  EXPECT_FALSE(other.hotkeys().unregisterHotKey(0, 6));

  ASSERT_TRUE(desktop.hotkeys().press(kModAlt, 'Z'));
  ide.pump().doEvents();
  ASSERT_EQ(ide.queue().threadMessages().size(), 1U);
  EXPECT_EQ(ide.queue().threadMessages()[0].wParam, 5U);
  EXPECT_TRUE(other.queue().threadMessages().empty());
}

} // namespace
} // namespace velmora::sim
