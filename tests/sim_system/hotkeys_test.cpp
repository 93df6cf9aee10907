#include "hotkey/hot_key.hpp"
#include "sim/system/sim_desktop.hpp"

#include <gtest/gtest.h>

namespace velmora::sim {
namespace {

constexpr std::int32_t kCtrlShift = kModControl | kModShift;

TEST(SimHotkeys, ACombinationIsHeldOnceAcrossProgramsAndAnIdOncePerWindow) {
  SimDesktop desktop;
  SimProgram& ide = desktop.createProgram("IDE");
  SimProgram& other = desktop.createProgram("Other");
  const WindowHandle ideWindow = ide.ui().createWindow("settings");
  const WindowHandle otherWindow = other.ui().createWindow("other");
  ASSERT_TRUE(other.hotkeys().registerHotKey(otherWindow, 7, kCtrlShift, 'D'));
  // The id does not matter; other modifiers make another combination.
  EXPECT_FALSE(ide.hotkeys().registerHotKey(ideWindow, 0xC000, kCtrlShift, 'D'));
  EXPECT_EQ(desktop.hotkeys().holder(kCtrlShift, 'D')->window, otherWindow);
  EXPECT_TRUE(ide.hotkeys().registerHotKey(ideWindow, 0xC000, kModControl, 'D'));
  EXPECT_FALSE(ide.hotkeys().registerHotKey(ideWindow, 0xC000, kCtrlShift, 'G'));

  // Destroying a window releases its hotkeys.
  other.ui().destroyWindow(otherWindow);
  EXPECT_TRUE(ide.hotkeys().registerHotKey(ideWindow, 0xC001, kCtrlShift, 'D'));
}

} // namespace
} // namespace velmora::sim
