#include "sim/system/sim_desktop.hpp"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace velmora::sim {
namespace {

constexpr std::uint32_t kWmUser = 0x0400;

// A hook passes what it gets to the procedure it displaced; a window destroyed while hooked is
// recorded, which the add-in's unload tests look for.
TEST(SimWindowHooks, AWindowDestroyedHookedIsRecorded) {
  SimDesktop desktop;
  SimProgram& ide = desktop.createProgram("IDE");
  const WindowHandle window = ide.ui().createWindow("settings");
  WindowProcedures::Previous displaced{};
  displaced = ide.procedures().replace(window, [&](const WindowMessage& message) {
    return ide.procedures().callPrevious(displaced, message);
  });
  ide.queue().send({window, kWmUser, 0, 0});
  ide.ui().destroyWindow(window);
  EXPECT_EQ(desktop.windows().hooksLeft(), std::vector<WindowHandle>{window});
  std::vector<std::uint32_t> reached;
  for (const WindowMessage& message : desktop.windows().defaultProcedureMessages(window)) {
    reached.push_back(message.message);
  }
  EXPECT_EQ(reached, (std::vector<std::uint32_t>{kWmUser, kWmDestroy, kWmNcDestroy}));
  EXPECT_THROW(ide.procedures().callPrevious(displaced, {window, kWmUser, 0, 0}), std::logic_error);
}

} // namespace
} // namespace velmora::sim
