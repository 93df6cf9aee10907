#include "hotkey/hot_key.hpp"
#include "sim/system/sim_desktop.hpp"
#include "sim/system/sim_errors.hpp"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace velmora::sim {
namespace {

constexpr std::uint32_t kWmUser = 0x0400;

std::vector<std::uint32_t> messagesOf(const std::vector<WindowMessage>& seen) {
  std::vector<std::uint32_t> result;
  result.reserve(seen.size());
  for (const WindowMessage& message : seen) {
    result.push_back(message.message);
  }
  return result;
}

class SimWindowHooks : public ::testing::Test {
protected:
  // A hook as an add-in installs it: keeps hotkeys and activation, passes everything else on.
  void hook() {
    previous = ide.procedures().replace(window, [this](const WindowMessage& message) {
      hooked.push_back(message);
      if (message.message == kWmHotKey || message.message == kWmActivateApp) {
        return std::intptr_t{0};
      }
      return ide.procedures().callPrevious(previous, message);
    });
  }

  const std::vector<WindowMessage>& defaultSaw() const {
    return desktop.windows().defaultProcedureMessages(window);
  }

  SimDesktop desktop;
  SimProgram& ide = desktop.createProgram("IDE");
  SimProgram& other = desktop.createProgram("Other");
  WindowHandle window = ide.ui().createWindow("settings");
  WindowProcedures::Previous previous = 0;
  std::vector<WindowMessage> hooked;
};

TEST_F(SimWindowHooks, HotkeyReachesTheReplacedProcedureOnly) {
  hook();
  ASSERT_NE(previous, 0U);
  EXPECT_FALSE(desktop.windows().hasOriginalProcedure(window));
  ASSERT_TRUE(ide.hotkeys().registerHotKey(window, 0xC000, kModControl, 'D'));

  desktop.hotkeys().press(kModControl, 'D');
  ide.queue().post({window, kWmUser, 1, 2});
  ide.pump().doEvents();

  EXPECT_EQ(messagesOf(hooked), (std::vector<std::uint32_t>{kWmHotKey, kWmUser}));
  EXPECT_EQ(hooked[0].wParam, 0xC000U);
  ASSERT_EQ(messagesOf(defaultSaw()), std::vector<std::uint32_t>{kWmUser});
  EXPECT_EQ(defaultSaw()[0].lParam, 2);
}

TEST_F(SimWindowHooks, RestorePutsTheOriginalBack) {
  hook();
  ide.procedures().restore(window, previous);
  EXPECT_TRUE(desktop.windows().hasOriginalProcedure(window));

  ide.queue().send({window, kWmHotKey, 1, 0});
  EXPECT_TRUE(hooked.empty());
  EXPECT_EQ(messagesOf(defaultSaw()), std::vector<std::uint32_t>{kWmHotKey});

  ide.ui().destroyWindow(window);
  EXPECT_TRUE(desktop.windows().hooksLeft().empty());
}

TEST_F(SimWindowHooks, DestroyedWindowWithItsHookStillInstalledIsRecorded) {
  hook();
  ide.ui().destroyWindow(window);
  EXPECT_FALSE(desktop.windows().isWindow(window));
  EXPECT_EQ(desktop.windows().hooksLeft(), std::vector<WindowHandle>{window});
  // The destruction messages went through the hook to the default procedure.
  EXPECT_EQ(messagesOf(defaultSaw()), (std::vector<std::uint32_t>{kWmDestroy, kWmNcDestroy}));
  // The procedures died with the window.
  EXPECT_THROW(ide.procedures().callPrevious(previous, {window, kWmUser, 0, 0}), std::logic_error);
}

TEST_F(SimWindowHooks, StackedHooksUnwindToWhatEachDisplaced) {
  hook();
  const WindowProcedures::Previous first = previous;
  std::vector<std::uint32_t> outer;
  WindowProcedures::Previous second = 0;
  second = ide.procedures().replace(window, [&](const WindowMessage& message) {
    outer.push_back(message.message);
    return ide.procedures().callPrevious(second, message);
  });
  ASSERT_NE(second, first);

  ide.queue().send({window, kWmUser, 0, 0});
  EXPECT_EQ(outer.size(), 1U);
  EXPECT_EQ(hooked.size(), 1U);

  // Taking the inner hook out under the outer one puts the outer one away as well.
  ide.procedures().restore(window, first);
  EXPECT_TRUE(desktop.windows().hasOriginalProcedure(window));
}

TEST_F(SimWindowHooks, ForeignAndDeadWindowsAreRefused) {
  const WindowHandle foreign = other.ui().createWindow("foreign");
  EXPECT_EQ(ide.procedures().replace(foreign, [](const WindowMessage&) { return 0; }), 0U);
  EXPECT_EQ(ide.procedures().lastError(), kErrorAccessDenied);
  EXPECT_TRUE(desktop.windows().hasOriginalProcedure(foreign));
  ide.ui().destroyWindow(foreign);
  EXPECT_TRUE(desktop.windows().isWindow(foreign));

  hook();
  EXPECT_THROW(ide.procedures().restore(window, 0), std::logic_error);
  ide.ui().destroyWindow(window);
  ide.procedures().restore(window, previous);
  EXPECT_EQ(ide.procedures().lastError(), kErrorInvalidWindowHandle);
  EXPECT_FALSE(ide.queue().post({window, kWmUser, 0, 0}));
}

TEST_F(SimWindowHooks, ActivationReachesEveryTopLevelWindowOfTheProgramOnly) {
  hook();
  const WindowHandle second = ide.ui().createWindow("hidden");
  const WindowHandle child = desktop.windows().create(ide.queue(), "child", second);
  const WindowHandle foreign = other.ui().createWindow("foreign");

  ide.activate(false);
  ide.activate(true);
  ASSERT_EQ(messagesOf(hooked), (std::vector<std::uint32_t>{kWmActivateApp, kWmActivateApp}));
  EXPECT_EQ(hooked[0].wParam, 0U);
  EXPECT_EQ(hooked[1].wParam, 1U);
  EXPECT_EQ(messagesOf(desktop.windows().defaultProcedureMessages(second)),
            (std::vector<std::uint32_t>{kWmActivateApp, kWmActivateApp}));
  EXPECT_TRUE(desktop.windows().defaultProcedureMessages(child).empty());
  EXPECT_TRUE(desktop.windows().defaultProcedureMessages(foreign).empty());

  // Destroying a parent takes its children along.
  ide.ui().destroyWindow(second);
  EXPECT_FALSE(desktop.windows().isWindow(child));
}

TEST_F(SimWindowHooks, QueueDispatchOrderAndWhatItDrops) {
  // A message posted while dispatching is handled by the same pump, after the ones before it.
  hook();
  std::vector<std::uintptr_t> order;
  const WindowHandle echo = ide.ui().createWindow("echo");
  ide.procedures().replace(echo, [&](const WindowMessage& message) {
    order.push_back(message.wParam);
    if (message.wParam == 1) {
      ide.queue().post({echo, kWmUser, 3, 0});
    }
    return std::intptr_t{0};
  });
  ide.queue().post({echo, kWmUser, 1, 0});
  ide.queue().post({echo, kWmUser, 2, 0});
  // Posted to another program's window: it waits in that program's queue.
  ide.queue().post({other.ui().createWindow("far"), kWmUser, 9, 0});
  ide.queue().post({window, kWmUser, 0, 0});
  ide.ui().destroyWindow(window);

  EXPECT_EQ(ide.pump().pump(), 4U);
  EXPECT_EQ(order, (std::vector<std::uintptr_t>{1, 2, 3}));
  EXPECT_EQ(ide.queue().dropped(), 1U);
  EXPECT_EQ(other.queue().pending().size(), 1U);

  // A procedure that keeps posting to itself would hang the real loop; here it is stopped.
  ide.procedures().replace(echo, [&](const WindowMessage& message) {
    ide.queue().post(message);
    return std::intptr_t{0};
  });
  ide.queue().post({echo, kWmUser, 0, 0});
  EXPECT_THROW(ide.pump().doEvents(), std::logic_error);
}

} // namespace
} // namespace velmora::sim
