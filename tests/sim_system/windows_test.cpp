#include "sim/system/sim_desktop.hpp"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace velmora::sim {
namespace {

constexpr std::uint32_t kWmUser = 0x0400;

// Hooks as add-ins install them (the form's own is walked by WindowHookTest and the settings
// form's tests): each passes what it gets to the procedure it displaced.
TEST(SimWindowHooks, StackedHooksUnwindAndAWindowDestroyedHookedIsRecorded) {
  SimDesktop desktop;
  SimProgram& ide = desktop.createProgram("IDE");
  const WindowHandle window = ide.ui().createWindow("settings");
  std::vector<WindowProcedures::Previous> displaced;
  const auto hook = [&] {
    const std::size_t at = displaced.size();
    displaced.push_back(ide.procedures().replace(window, [&, at](const WindowMessage& message) {
      return ide.procedures().callPrevious(displaced[at], message);
    }));
  };
  hook();
  hook();
  ide.queue().send({window, kWmUser, 0, 0});
  // Taking the inner hook out under the outer one puts the outer one away as well.
  ide.procedures().restore(window, displaced[0]);
  EXPECT_TRUE(desktop.windows().hasOriginalProcedure(window));

  hook();
  ide.ui().destroyWindow(window);
  EXPECT_EQ(desktop.windows().hooksLeft(), std::vector<WindowHandle>{window});
  std::vector<std::uint32_t> reached;
  for (const WindowMessage& message : desktop.windows().defaultProcedureMessages(window)) {
    reached.push_back(message.message);
  }
  EXPECT_EQ(reached, (std::vector<std::uint32_t>{kWmUser, kWmDestroy, kWmNcDestroy}));
  EXPECT_THROW(ide.procedures().callPrevious(displaced[2], {window, kWmUser, 0, 0}),
               std::logic_error);
}

} // namespace
} // namespace velmora::sim
