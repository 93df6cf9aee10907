#include "hotkey/hot_key.hpp"
#include "hotkey/hot_key_registration.hpp"
#include "hotkey/window_hook.hpp"
#include "sim/system/sim_desktop.hpp"

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr std::int32_t kCtrlShift = kModControl | kModShift;
constexpr std::uint32_t kWmUser = 0x0400;

class RecordingForm final : public HotKeyForm {
public:
  void HotKeyProc(std::int16_t n) override { procs.push_back(n); }
  void EnableTimer1() override {}
  void StopReRegistration() override {}

  std::vector<std::int16_t> procs;
};

// The form's hooks as the settings form uses them; the settings form's own tests walk the
// activations and the unload through the form.
class WindowHookTest : public ::testing::Test {
protected:
  WindowHookTest() { HookWindow(hook, ports, form, window, 4); }
  bool registerSlot(int n, std::int32_t modifiers, std::int32_t key) {
    return RegisterHotKeys(hook, ports, n, window, HotKeyAtomName(n), modifiers, key);
  }

  sim::SimDesktop desktop;
  sim::SimProgram& ide = desktop.createProgram("IDE");
  WindowHandle window = ide.ui().createWindow("frmVelmora");
  HotKeyPorts ports{desktop.atoms(), ide.hotkeys(), ide.procedures(), ide.pump()};
  HotKeyHook hook;
  RecordingForm form;
};

TEST_F(WindowHookTest, HotKeysOfASlotReachTheFormAndOtherMessagesThePreviousProcedure) {
  ASSERT_TRUE(registerSlot(1, kCtrlShift, 'D'));
  ASSERT_TRUE(registerSlot(2, kCtrlShift, 'P'));
  ASSERT_TRUE(desktop.hotkeys().press(kCtrlShift, 'D'));
  // An identifier of no slot is swallowed; so is 0, although released slots hold 0.
  UnregisterHotKeys(hook, ports, 2, window);
  ide.queue().post({window, kWmHotKey, 0xBEEF, 0});
  ide.queue().post({window, kWmHotKey, 0, 0});
  ide.queue().post({window, kWmUser, 7, 8});
  ide.pump().doEvents();
  EXPECT_EQ(form.procs, std::vector<std::int16_t>{1});
  const auto& previous = desktop.windows().defaultProcedureMessages(window);
  ASSERT_EQ(previous.size(), 1U);
  EXPECT_EQ(previous[0].wParam, 7U);
}

TEST_F(WindowHookTest, ASlotHoldsItsAtomOnceAndARefusedOneKeepsItUntilTheNextRelease) {
  ASSERT_TRUE(registerSlot(1, kCtrlShift, 'D'));
  ASSERT_TRUE(registerSlot(1, kModAlt, 'D'));
  EXPECT_EQ(desktop.atoms().count("VBSHOYKEY1"), 1U);
  EXPECT_FALSE(desktop.hotkeys().holder(kCtrlShift, 'D'));
  ASSERT_TRUE(registerSlot(4, kModWin, 42)); // PrintScreen's list code is registered as is

  sim::SimProgram& other = desktop.createProgram("Other");
  ASSERT_TRUE(other.hotkeys().registerHotKey(other.ui().createWindow("o"), 1, kCtrlShift, 'B'));
  EXPECT_FALSE(registerSlot(2, kCtrlShift, 'B'));
  EXPECT_EQ(desktop.atoms().count("VBSHOYKEY2"), 1U);

  // Deactivated, every slot lets go of its atom; a press already queued is dispatched while
  // the slots are released one by one.
  ASSERT_TRUE(desktop.hotkeys().press(kModWin, 42));
  ide.activate(false);
  EXPECT_EQ(desktop.hotkeys().count(), 1U) << "the other program's";
  EXPECT_EQ(desktop.atoms().size(), 0U);
  EXPECT_EQ(desktop.atoms().failedDeletes(), 0U);
  EXPECT_EQ(form.procs, std::vector<std::int16_t>{4});
  EXPECT_EQ(hook.HotKeyIds, (std::vector<std::int32_t>{0, 0, 0, 0}));
}

} // namespace
} // namespace velmora
