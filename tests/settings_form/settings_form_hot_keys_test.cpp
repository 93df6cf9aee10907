#include "settings_form_fixture.hpp"

namespace velmora::testing {
namespace {

using HotKeysOfTheForm = SettingsFormTest;

TEST_F(HotKeysOfTheForm, DeactivationReleasesAllAndActivationRegistersAgainFromTheFile) {
  SettingsForm& form = load();
  ide.activate(false);
  EXPECT_EQ(desktop.hotkeys().count(), 0U);
  EXPECT_EQ(desktop.atoms().size(), 0U);
  ASSERT_FALSE(desktop.hotkeys().press(kCtrlShift, 'D'));

  // Meanwhile the file changes: slot 2 loses its modifiers entry, slot 3 gets another key.
  writeIni("[Velmora]\r\nHotKeyFlg1=6\r\nKey1=68\r\nKey2=80\r\nHotKeyFlg3=1\r\nKey3=113\r\n"
           "HotKeyFlg4=6\r\nKey4=66\r\n");
  ide.activate(true);
  EXPECT_EQ(desktop.hotkeys().count(), 0U) << "the timer registers, not the activation";
  desktop.runFor(10);
  EXPECT_EQ(desktop.hotkeys().count(), 4U);
  EXPECT_EQ(holder(kCtrlShift, 'P'), form.hWnd());
  EXPECT_EQ(holder(kModAlt, 113), form.hWnd());
  EXPECT_EQ(state.hotKeys[2].Key, 113);
  EXPECT_NE(ini().find("HotKeyFlg2=6"), std::string::npos);
  EXPECT_FALSE(window().timer("Timer1").enabled()) << "one run per activation";
  EXPECT_TRUE(toolkit.messages().empty());
  EXPECT_EQ(ide.pump().longestBlock(), 0U);
  EXPECT_EQ(owner.tipUpdates, 1) << "the tooltips follow the hotkeys read";

  // An activation that finds the hotkeys in force leaves the tooltips alone.
  ide.activate(false);
  ide.activate(true);
  desktop.runFor(10);
  EXPECT_EQ(owner.tipUpdates, 1);
}

// The settings OK put in force stay in force until the IDE closes, whether the file took them or
// not: an activation does not bring back the old hotkeys from a file that OK could not write.
TEST_F(HotKeysOfTheForm, AfterAnOkTheFileRefusedTheActivationsKeepTheNewHotKeys) {
  const std::string old = "[Velmora]\r\nHotKeyFlg1=6\r\nKey1=68\r\nHotKeyFlg2=6\r\nKey2=80\r\n"
                          "HotKeyFlg3=6\r\nKey3=71\r\nHotKeyFlg4=6\r\nKey4=66\r\n";
  writeIni(old);
  SettingsForm& form = load();
  files.hold(dir.file("Velmora.ini")); // held by another program for good
  openDialog([&](sim::ScriptedForm& f) {
    f.click("chkHot1", 0); // Dim: Alt+Ctrl+Shift+D
    f.click("cmbOk");
  });
  ASSERT_EQ(messageTexts(), std::vector<std::u16string>{u"設定ファイルに書き込めませんでした。"});
  EXPECT_EQ(ini(), old);
  EXPECT_EQ(owner.tipUpdates, 1);

  for (int round = 0; round < 2; ++round) {
    ide.activate(false);
    ide.activate(true);
    desktop.runFor(10);
    EXPECT_EQ(holder(kModAlt | kCtrlShift, 'D'), form.hWnd()) << round;
    EXPECT_EQ(holder(kCtrlShift, 'D'), 0) << round;
    EXPECT_EQ(state.hotKeys[0].HotKeyFlg, kModAlt | kCtrlShift);
    EXPECT_EQ(owner.tipUpdates, 1) << "the tooltips showing the new hotkey stay right";
  }
  EXPECT_EQ(ini(), old);

  // Once an OK has written the file, the activations read it again: another IDE may change it.
  files.hold(dir.file("Velmora.ini"), 0);
  openDialog([&](sim::ScriptedForm& f) { f.click("cmbOk"); });
  EXPECT_EQ(messageTexts().size(), 1U);
  ide.activate(false);
  writeIni(old);
  ide.activate(true);
  desktop.runFor(10);
  EXPECT_EQ(holder(kCtrlShift, 'D'), form.hWnd());
  EXPECT_EQ(owner.tipUpdates, 3);
}

TEST_F(HotKeysOfTheForm, RetriesStopWhenTheIdeIsLeftAndSucceedOnceTheKeyIsFree) {
  SettingsForm& form = load();
  ide.activate(false);
  ASSERT_TRUE(other.hotkeys().registerHotKey(otherWindow, 1, kCtrlShift, 'G'));
  ide.activate(true);
  desktop.runFor(10 + 3 * 500);
  hotkeys.attempts.clear();
  // Another program becomes active: nothing may register while it is.
  ide.activate(false);
  desktop.runFor(6000);
  EXPECT_TRUE(hotkeys.attempts.empty());
  EXPECT_EQ(desktop.hotkeys().count(), 1U);
  EXPECT_TRUE(toolkit.messages().empty());

  ide.activate(true);
  desktop.runFor(10 + 2 * 500);
  ASSERT_TRUE(other.hotkeys().unregisterHotKey(otherWindow, 1));
  desktop.runFor(500);
  EXPECT_EQ(holder(kCtrlShift, 'G'), form.hWnd());
  desktop.runFor(6000);
  EXPECT_EQ(hotkeys.attemptsFor(kCtrlShift, 'G'), 4U);
  EXPECT_TRUE(toolkit.messages().empty());
}

TEST_F(HotKeysOfTheForm, ATimerReadingANonNumberKeepsTheValueInForce) {
  SettingsForm& form = load();
  ide.activate(false);
  const std::string edited = "[Velmora]\r\nHotKeyFlg1=Ctrl\r\nKey1=69\r\nHotKeyFlg2=6\r\n"
                             "Key2=&H\r\nHotKeyFlg3=6\r\nKey3=71\r\nHotKeyFlg4=6\r\nKey4=66\r\n";
  writeIni(edited);
  ide.activate(true);
  desktop.runFor(10);
  EXPECT_EQ(state.hotKeys[0].HotKeyFlg, 6);
  EXPECT_EQ(state.hotKeys[0].Key, 69);
  EXPECT_EQ(state.hotKeys[1].Key, 80);
  EXPECT_EQ(holder(kCtrlShift, 'E'), form.hWnd());
  EXPECT_EQ(holder(kCtrlShift, 'P'), form.hWnd());
  EXPECT_EQ(ini(), edited) << "the user's file is left alone";
  EXPECT_TRUE(toolkit.messages().empty());
}

TEST_F(HotKeysOfTheForm, HotDispSetShowsTheHotKeysAndEmptiesTheEntryBoxes) {
  writeIni("[Velmora]\r\nHotKeyFlg1=0\r\nKey1=113\r\nHotKeyFlg2=15\r\nKey2=42\r\n"
           "HotKeyFlg3=5\r\nKey3=48\r\nHotKeyFlg4=8\r\nKey4=66\r\n");
  SettingsForm& form = load();
  window().textBox("txtKata").setText(u"left over");
  form.HotDispSet();
  EXPECT_EQ(window().checkBox("chkHot1", 2).value() + window().checkBox("chkHot3", 2).value(), 2);
  EXPECT_EQ(window().checkBox("chkHot2", 2).value() + window().checkBox("chkHot4", 2).value(), 0);
  EXPECT_EQ(form.cboKey(0).text(), u"F2 キー");
  EXPECT_EQ(window().textBox("txtKata").text(), u"");
}

// A registration is due when the form goes with the state (an explicit unload:
// SettingsDialogLifetime.* under Wine).
TEST_F(HotKeysOfTheForm, UnloadLeavesNoAtomHotKeyOrHook) {
  load();
  ide.activate(false);
  ide.activate(true);
  state.frmVelmora.reset();
  desktop.runFor(1000);
  expectNothingLeft();
  EXPECT_EQ(state.hook.PrevWndProc, 0U);
}

} // namespace
} // namespace velmora::testing
