#include "settings_form_fixture.hpp"

namespace velmora::testing {
namespace {

using HotKeysOfTheForm = SettingsFormTest;

constexpr char16_t kReRegistrationFailed[] = u"ホットキーの設定に失敗しました。";

TEST_F(HotKeysOfTheForm, APressRunsTheDeclarationOfItsSlot) {
  SettingsForm& form = load();
  for (const char key : {'B', 'D', 'G', 'P'}) {
    ASSERT_TRUE(desktop.hotkeys().press(kCtrlShift, key));
  }
  desktop.runFor(1);
  EXPECT_EQ(owner.declared, (std::vector<std::u16string>{u"Bas", u"Dim", u"Public", u"Private"}));
  EXPECT_TRUE(desktop.windows().defaultProcedureMessages(form.hWnd()).empty());

  // An error the command lets through is shown, titled with the add-in's name.
  owner.failure = u"オートメーション エラーです。";
  form.HotKeyProc(1);
  form.HotKeyProc(5);
  ASSERT_EQ(toolkit.messages().size(), 1U);
  EXPECT_EQ(toolkit.messages()[0].text, u"オートメーション エラーです。");
  EXPECT_EQ(toolkit.messages()[0].shownTitle(), u"ベルモラ");
  EXPECT_EQ(owner.declared.size(), 5U) << "slot 5 does not exist";
}

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

TEST_F(HotKeysOfTheForm, ACombinationHeldElsewhereIsTriedElevenTimesWithoutBlocking) {
  SettingsForm& form = load();
  ide.activate(false);
  ASSERT_TRUE(other.hotkeys().registerHotKey(otherWindow, 1, kCtrlShift, 'D'));
  hotkeys.clear();
  ide.pump().clearRecord();

  ide.activate(true);
  desktop.runFor(10);
  EXPECT_EQ(hotkeys.attemptsFor(kCtrlShift, 'D'), 1U);
  EXPECT_EQ(holder(kCtrlShift, 'P'), form.hWnd()) << "the other slots do not wait";
  EXPECT_EQ(holder(kCtrlShift, 'G'), form.hWnd());
  EXPECT_EQ(holder(kCtrlShift, 'B'), form.hWnd());

  desktop.runFor(6000);
  EXPECT_EQ(hotkeys.attemptsFor(kCtrlShift, 'D'), 11U);
  EXPECT_EQ(hotkeys.attemptsFor(kCtrlShift, 'P'), 1U);
  ASSERT_EQ(toolkit.messages().size(), 1U);
  EXPECT_EQ(toolkit.messages()[0].text, kReRegistrationFailed);
  EXPECT_EQ(toolkit.messages()[0].shownTitle(), u"Velmora");
  EXPECT_LE(ide.pump().longestBlock(), 10U);
  EXPECT_TRUE(ide.pump().sleeps().empty());
  // The refused slot keeps its atom, and the next deactivation deletes it.
  EXPECT_EQ(desktop.atoms().size(), 4U);
  ide.activate(false);
  EXPECT_EQ(desktop.atoms().size(), 0U);

  // The next activation tries again, and the combination has become free meanwhile.
  ASSERT_TRUE(other.hotkeys().unregisterHotKey(otherWindow, 1));
  ide.activate(true);
  desktop.runFor(10);
  EXPECT_EQ(holder(kCtrlShift, 'D'), form.hWnd());
  desktop.runFor(6000);
  EXPECT_EQ(toolkit.messages().size(), 1U);
}

TEST_F(HotKeysOfTheForm, RetriesStopWhenTheIdeIsLeftAndSucceedOnceTheKeyIsFree) {
  SettingsForm& form = load();
  ide.activate(false);
  ASSERT_TRUE(other.hotkeys().registerHotKey(otherWindow, 1, kCtrlShift, 'G'));
  ide.activate(true);
  desktop.runFor(10 + 3 * 500);
  hotkeys.clear();
  // Another program becomes active: nothing may register while it is.
  ide.activate(false);
  desktop.runFor(6000);
  EXPECT_TRUE(hotkeys.attempts.empty());
  EXPECT_EQ(desktop.hotkeys().count(), 1U);
  EXPECT_TRUE(toolkit.messages().empty());

  // An activation cut short before its timer ran registers nothing either.
  ide.activate(true);
  ide.activate(false);
  desktop.runFor(100);
  EXPECT_TRUE(hotkeys.attempts.empty());

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
  form.cboKey(2).setListIndex(3);
  window().textBox("txtKata").setText(u"left over");
  form.HotDispSet();
  const auto boxes = [&](int row) {
    std::vector<int> values;
    for (const char* name : {"chkHot1", "chkHot2", "chkHot3", "chkHot4"}) {
      values.push_back(window().checkBox(name, row).value());
    }
    return values;
  };
  EXPECT_EQ(boxes(0), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(boxes(1), (std::vector<int>{1, 1, 1, 1}));
  EXPECT_EQ(boxes(2), (std::vector<int>{1, 0, 1, 0}));
  EXPECT_EQ(boxes(3), (std::vector<int>{0, 0, 0, 1}));
  EXPECT_EQ(form.cboKey(0).text(), u"F2 キー");
  EXPECT_EQ(form.cboKey(1).text(), u"PrintScreen キー");
  EXPECT_EQ(form.cboKey(2).listIndex(), 3) << "48 is not in the list: the selection stays";
  EXPECT_EQ(form.cboKey(3).text(), u"B");
  EXPECT_EQ(window().textBox("txtKata").text(), u"");
}

TEST_F(HotKeysOfTheForm, UnloadLeavesNoAtomHotKeyOrHook) {
  SettingsForm& form = load();
  ide.activate(false);
  ide.activate(true); // a registration is due
  form.unload();
  EXPECT_TRUE(form.unloaded());
  EXPECT_EQ(desktop.hotkeys().count(), 0U);
  EXPECT_EQ(desktop.atoms().size(), 0U);
  EXPECT_TRUE(desktop.windows().hooksLeft().empty());
  EXPECT_EQ(state.hook.PrevWndProc, 0U);
  EXPECT_EQ(state.hook.HookedForm, nullptr);
  desktop.runFor(1000);
  EXPECT_EQ(desktop.hotkeys().count(), 0U);
  state.frmVelmora.reset();

  // Loaded again, the form holds everything again; dropping the state unloads it.
  load();
  EXPECT_EQ(desktop.hotkeys().count(), 4U);
  state.frmVelmora.reset();
  EXPECT_EQ(desktop.hotkeys().count(), 0U);
  EXPECT_EQ(desktop.atoms().size(), 0U);
  EXPECT_TRUE(desktop.windows().hooksLeft().empty());
}

} // namespace
} // namespace velmora::testing
