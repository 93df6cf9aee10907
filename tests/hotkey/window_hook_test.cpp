#include "hotkey/hot_key.hpp"
#include "hotkey/hot_key_registration.hpp"
#include "hotkey/recording_hotkey_service.hpp"
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
  void EnableTimer1() override { ++timerEnables; }
  void StopReRegistration() override { ++stops; }

  std::vector<std::int16_t> procs;
  int timerEnables = 0;
  int stops = 0;
};

class WindowHookTest : public ::testing::Test {
protected:
  bool registerSlot(int n, std::int32_t modifiers, std::int32_t key) {
    return RegisterHotKeys(hook, ports, n, window, HotKeyAtomName(n), modifiers, key);
  }
  void hookAndRegisterDefaults() {
    HookWindow(hook, ports, form, window, 4);
    ASSERT_TRUE(registerSlot(1, kCtrlShift, 'D'));
    ASSERT_TRUE(registerSlot(2, kCtrlShift, 'P'));
    ASSERT_TRUE(registerSlot(3, kCtrlShift, 'G'));
    ASSERT_TRUE(registerSlot(4, kCtrlShift, 'B'));
  }
  const std::vector<WindowMessage>& reachedPrevious() const {
    return desktop.windows().defaultProcedureMessages(window);
  }

  sim::SimDesktop desktop;
  sim::SimProgram& ide = desktop.createProgram("IDE");
  sim::SimProgram& other = desktop.createProgram("Other");
  WindowHandle window = ide.ui().createWindow("frmVelmora");
  testing::RecordingHotkeyService hotkeys{ide.hotkeys()};
  HotKeyPorts ports{desktop.atoms(), hotkeys, ide.procedures(), ide.pump()};
  HotKeyHook hook;
  RecordingForm form;
};

TEST_F(WindowHookTest, HotKeysReachTheFormAndOtherMessagesThePreviousProcedure) {
  hookAndRegisterDefaults();
  ASSERT_TRUE(desktop.hotkeys().press(kCtrlShift, 'G'));
  ASSERT_TRUE(desktop.hotkeys().press(kCtrlShift, 'D'));
  ide.pump().doEvents();
  EXPECT_EQ(form.procs, (std::vector<std::int16_t>{3, 1}));

  // An identifier of no slot is swallowed; so is 0, although released slots hold 0.
  UnregisterHotKeys(hook, ports, 2, window);
  ide.queue().post({window, kWmHotKey, 0xBEEF, 0});
  ide.queue().post({window, kWmHotKey, 0, 0});
  ide.queue().post({window, kWmUser, 7, 8});
  ide.pump().doEvents();
  EXPECT_EQ(form.procs.size(), 2U);
  ASSERT_EQ(reachedPrevious().size(), 1U);
  EXPECT_EQ(reachedPrevious()[0].message, kWmUser);
  EXPECT_EQ(reachedPrevious()[0].wParam, 7U);
}

TEST_F(WindowHookTest, DeactivationReleasesEverySlotAndItsAtomAndActivationOnlyArmsTheTimer) {
  hookAndRegisterDefaults();
  ASSERT_EQ(desktop.atoms().size(), 4U);
  // A press already queued is dispatched while the slots are released one by one.
  ASSERT_TRUE(desktop.hotkeys().press(kCtrlShift, 'B'));

  ide.activate(false);
  EXPECT_EQ(form.stops, 1);
  EXPECT_EQ(desktop.hotkeys().count(), 0U);
  EXPECT_EQ(desktop.atoms().size(), 0U);
  EXPECT_EQ(desktop.atoms().failedDeletes(), 0U);
  EXPECT_EQ(ide.pump().doEventsCalls(), 4U);
  EXPECT_EQ(form.procs, std::vector<std::int16_t>{4});
  EXPECT_EQ(hook.HotKeyIds, (std::vector<std::int32_t>{0, 0, 0, 0}));

  hotkeys.clear();
  ide.activate(true);
  EXPECT_EQ(form.timerEnables, 1);
  EXPECT_TRUE(hotkeys.attempts.empty());
  EXPECT_TRUE(reachedPrevious().empty()) << "activation messages are not passed on";
}

TEST_F(WindowHookTest, EachRegisteredSlotHoldsItsAtomOnce) {
  HookWindow(hook, ports, form, window, 4);
  ASSERT_TRUE(registerSlot(1, kCtrlShift, 'D'));
  ASSERT_TRUE(registerSlot(1, kModAlt, 'D'));
  EXPECT_EQ(desktop.atoms().count("VBSHOYKEY1"), 1U);
  EXPECT_EQ(desktop.hotkeys().count(), 1U);
  EXPECT_TRUE(desktop.hotkeys().holder(kModAlt, 'D'));
  EXPECT_FALSE(desktop.hotkeys().holder(kCtrlShift, 'D'));
  EXPECT_EQ(hook.HotKeyId(1), desktop.atoms().find("VBSHOYKEY1"));

  // A slot holding nothing calls nothing.
  hotkeys.clear();
  UnregisterHotKeys(hook, ports, 2, window);
  EXPECT_EQ(hotkeys.releases, 0U);
  EXPECT_EQ(desktop.atoms().failedDeletes(), 0U);

  // No modifier at all registers the bare key; PrintScreen's list code is registered as is.
  ASSERT_TRUE(registerSlot(3, 0, 0x74));
  ASSERT_TRUE(registerSlot(4, kModWin, 42));
  EXPECT_TRUE(desktop.hotkeys().holder(0, 0x74));
  EXPECT_TRUE(desktop.hotkeys().holder(kModWin, 42));
}

TEST_F(WindowHookTest, ARefusedSlotKeepsItsAtomUntilTheNextRelease) {
  const WindowHandle elsewhere = other.ui().createWindow("other");
  ASSERT_TRUE(other.hotkeys().registerHotKey(elsewhere, 1, kCtrlShift, 'D'));
  HookWindow(hook, ports, form, window, 4);

  EXPECT_FALSE(registerSlot(1, kCtrlShift, 'D'));
  EXPECT_NE(hook.HotKeyId(1), 0);
  EXPECT_EQ(desktop.atoms().count("VBSHOYKEY1"), 1U);

  ide.activate(false);
  EXPECT_EQ(desktop.atoms().size(), 0U);
  EXPECT_EQ(hook.HotKeyId(1), 0);
  EXPECT_EQ(desktop.hotkeys().holder(kCtrlShift, 'D')->window, elsewhere);
}

TEST_F(WindowHookTest, UnhookPutsThePreviousProcedureBack) {
  // Without a hook only the form is let go.
  hook.HookedForm = &form;
  UnhookWindow(hook, ports, window);
  EXPECT_EQ(hook.HookedForm, nullptr);
  EXPECT_TRUE(desktop.windows().hasOriginalProcedure(window));

  hookAndRegisterDefaults();
  EXPECT_FALSE(desktop.windows().hasOriginalProcedure(window));
  for (int n = 1; n <= 4; ++n) {
    UnregisterHotKeys(hook, ports, n, window);
  }
  UnhookWindow(hook, ports, window);
  EXPECT_EQ(hook.PrevWndProc, 0U);
  EXPECT_EQ(hook.HookedForm, nullptr);
  EXPECT_TRUE(desktop.windows().hasOriginalProcedure(window));

  ide.queue().post({window, kWmHotKey, 0xC000, 0});
  ide.pump().doEvents();
  EXPECT_TRUE(form.procs.empty());
  EXPECT_EQ(reachedPrevious().size(), 1U);
  ide.ui().destroyWindow(window);
  EXPECT_TRUE(desktop.windows().hooksLeft().empty());
}

} // namespace
} // namespace velmora
