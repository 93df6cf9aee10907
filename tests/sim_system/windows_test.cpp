#include "hotkey/hot_key.hpp"
#include "sim/system/sim_desktop.hpp"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace velmora::sim {
namespace {

constexpr std::uint32_t kWmUser = 0x0400;

std::vector<std::uint32_t> messagesOf(const std::vector<WindowMessage>& seen) {
  std::vector<std::uint32_t> result;
  for (const WindowMessage& message : seen) {
    result.push_back(message.message);
  }
  return result;
}

class SimWindowHooks : public ::testing::Test {
protected:
  // A hook as an add-in installs it: keeps hotkeys, passes everything else on.
  void hook() {
    previous = ide.procedures().replace(window, [this](const WindowMessage& message) {
      hooked.push_back(message);
      return message.message == kWmHotKey ? 0 : ide.procedures().callPrevious(previous, message);
    });
  }
  std::vector<std::uint32_t> defaultSaw() const {
    return messagesOf(desktop.windows().defaultProcedureMessages(window));
  }

  SimDesktop desktop;
  SimProgram& ide = desktop.createProgram("IDE");
  WindowHandle window = ide.ui().createWindow("settings");
  WindowProcedures::Previous previous = 0;
  std::vector<WindowMessage> hooked;
};

TEST_F(SimWindowHooks, HotkeyReachesTheReplacedProcedureOnlyUntilRestored) {
  hook();
  EXPECT_FALSE(desktop.windows().hasOriginalProcedure(window));
  ASSERT_TRUE(ide.hotkeys().registerHotKey(window, 0xC000, kModControl, 'D'));
  desktop.hotkeys().press(kModControl, 'D');
  ide.queue().post({window, kWmUser, 1, 2});
  ide.pump().doEvents();
  EXPECT_EQ(messagesOf(hooked), (std::vector<std::uint32_t>{kWmHotKey, kWmUser}));
  EXPECT_EQ(hooked[0].wParam, 0xC000U);
  EXPECT_EQ(defaultSaw(), std::vector<std::uint32_t>{kWmUser});

  ide.procedures().restore(window, previous);
  EXPECT_TRUE(desktop.windows().hasOriginalProcedure(window));
  ide.queue().send({window, kWmHotKey, 1, 0});
  EXPECT_EQ(hooked.size(), 2U);
  ide.ui().destroyWindow(window);
  EXPECT_TRUE(desktop.windows().hooksLeft().empty());
}

TEST_F(SimWindowHooks, StackedHooksUnwindAndAWindowDestroyedHookedIsRecorded) {
  hook();
  const WindowProcedures::Previous first = previous;
  WindowProcedures::Previous second = 0;
  second = ide.procedures().replace(window, [&](const WindowMessage& message) {
    return ide.procedures().callPrevious(second, message);
  });
  ide.queue().send({window, kWmUser, 0, 0});
  EXPECT_EQ(hooked.size(), 1U);
  // Taking the inner hook out under the outer one puts the outer one away as well.
  ide.procedures().restore(window, first);
  EXPECT_TRUE(desktop.windows().hasOriginalProcedure(window));

  hook();
  ide.ui().destroyWindow(window);
  EXPECT_EQ(desktop.windows().hooksLeft(), std::vector<WindowHandle>{window});
  EXPECT_EQ(defaultSaw(), (std::vector<std::uint32_t>{kWmUser, kWmDestroy, kWmNcDestroy}));
  EXPECT_THROW(ide.procedures().callPrevious(previous, {window, kWmUser, 0, 0}), std::logic_error);
}

} // namespace
} // namespace velmora::sim
