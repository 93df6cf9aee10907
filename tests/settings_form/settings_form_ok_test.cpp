#include "settings_form_fixture.hpp"

#include <filesystem>

namespace velmora::testing {
namespace {

using OkAndCancel = SettingsFormTest;

constexpr char kDefaultHotKeys[] = "HotKeyFlg1=6\r\nKey1=68\r\nHotKeyFlg2=6\r\nKey2=80\r\n"
                                   "HotKeyFlg3=6\r\nKey3=71\r\nHotKeyFlg4=6\r\nKey4=66\r\n";

TEST_F(OkAndCancel, OkRewritesTheSectionInOrderWithoutStalePairs) {
  writeIni("[Other]\r\nx=1\r\n[Velmora]\r\nSettouChar1=a\r\nKata1=A\r\nSettouChar2=b\r\nKata2=B\r\n"
           "SettouChar3=c\r\nKata3=C\r\nSettouChar4=d\r\nKata4=D\r\nSettouChar5=e\r\nKata5=E\r\n" +
           std::string(kDefaultHotKeys));
  setPrefixes({{u"a", u"A"}, {u"b", u"B"}, {u"c", u"C"}, {u"d", u"D"}, {u"e", u"E"}});
  state.options = Options{1, 0, 1, 1};
  load();
  openDialog([&](sim::ScriptedForm& f) {
    f.pickRow("ListView1", 4);
    f.click("cmbDel");
    f.pickRow("ListView1", 0);
    f.click("cmbDel");
    f.click("chkComment"); // off: the IME box is greyed and keeps its tick
    EXPECT_FALSE(f.checkBox("chkImeMode").enabled());
    f.click("chkTenmetsu");
    f.click("chkHot1", 1);   // slot 2 gains Alt
    f.pick("cboKey", 16, 0); // slot 1: F1
    f.click("cmbOk");
  });
  EXPECT_FALSE(window().visible());
  EXPECT_EQ(ini(), "[Other]\r\nx=1\r\n[Velmora]\r\n"
                   "SettouChar1=b\r\nKata1=B\r\nSettouChar2=c\r\nKata2=C\r\nSettouChar3=d\r\n"
                   "Kata3=D\r\nNon=1\r\nTenmetsu=1\r\nComment=0\r\nImeMode=1\r\n"
                   "HotKeyFlg1=6\r\nKey1=112\r\nHotKeyFlg2=7\r\nKey2=80\r\n"
                   "HotKeyFlg3=6\r\nKey3=71\r\nHotKeyFlg4=6\r\nKey4=66\r\n");
  // In force at once, without reading the file again.
  EXPECT_EQ(state.prefixes.PrefixCount(), 3);
  EXPECT_EQ(state.prefixes.PrefixTable().size(), 3U);
  EXPECT_EQ(state.prefixes.PrefixTable()[0].SettouChar, u"b");
  EXPECT_EQ(state.options.intComment, 0);
  EXPECT_EQ(state.options.intImeMode, 1);
  EXPECT_EQ(state.options.intTenmetsu, 1);
  EXPECT_EQ(state.hotKeys[0].Key, 112);
  EXPECT_EQ(state.hotKeys[1].HotKeyFlg, 7);
  EXPECT_EQ(holder(kCtrlShift, 112), state.frmVelmora->hWnd());
  EXPECT_EQ(holder(kCtrlShift, 'D'), 0U);
  EXPECT_EQ(holder(7, 'P'), state.frmVelmora->hWnd());
  EXPECT_EQ(desktop.atoms().size(), 4U);
  EXPECT_EQ(owner.tipUpdates, 1);
  EXPECT_TRUE(toolkit.messages().empty());
}

TEST_F(OkAndCancel, AnEmptyListStoresAnEmptyTableAndHiddenPairsDoNotComeBack) {
  // The table ends at the missing first pair, so what lies behind it is not in memory.
  writeIni("[Velmora]\r\nSettouChar2=old\r\nKata2=Stale\r\n" + std::string(kDefaultHotKeys));
  load();
  openDialog([&](sim::ScriptedForm& f) { f.click("cmbOk"); });
  EXPECT_EQ(ini(), "[Velmora]\r\nNon=1\r\nTenmetsu=1\r\nComment=1\r\nImeMode=1\r\n" +
                       std::string(kDefaultHotKeys));
  EXPECT_EQ(state.prefixes.PrefixCount(), 0);

  openDialog([&](sim::ScriptedForm& f) {
    f.type("txtSettouChar", u"str");
    f.type("txtKata", u"string");
    f.click("cmbAdd");
    f.click("cmbOk");
  });
  EXPECT_EQ(ini(), "[Velmora]\r\nSettouChar1=str\r\nKata1=String\r\nNon=1\r\nTenmetsu=1\r\n"
                   "Comment=1\r\nImeMode=1\r\n" +
                       std::string(kDefaultHotKeys));
}

TEST_F(OkAndCancel, AKeyTheListLacksIsKeptAndATakenSlotIsReportedAlone) {
  writeIni("[Velmora]\r\nHotKeyFlg1=2\r\nKey1=48\r\n");
  ASSERT_TRUE(other.hotkeys().registerHotKey(otherWindow, 1, kModAlt, 'G'));
  load();
  openDialog([&](sim::ScriptedForm& f) {
    EXPECT_EQ(f.comboBox("cboKey", 0).listIndex(), -1) << "48 is not in the list";
    // Slot 3 loses Ctrl and Shift and gains Alt: Alt+G, which the other program holds.
    f.click("chkHot2", 2);
    f.click("chkHot3", 2);
    f.click("chkHot1", 2);
    f.click("cmbOk");
  });
  EXPECT_EQ(messageTexts(), std::vector<std::u16string>{u"ホットキー3の設定に失敗しました。"});
  EXPECT_EQ(toolkit.messages()[0].shownTitle(), u"Velmora");
  EXPECT_FALSE(window().visible()) << "the dialog closes all the same";
  EXPECT_EQ(state.hotKeys[0].Key, 48);
  EXPECT_NE(ini().find("HotKeyFlg1=2\r\nKey1=48\r\n"), std::string::npos);
  EXPECT_NE(ini().find("HotKeyFlg3=1\r\nKey3=71\r\n"), std::string::npos);
  EXPECT_EQ(holder(kModControl, 48), state.frmVelmora->hWnd());
  EXPECT_EQ(holder(kModAlt, 'G'), otherWindow);
  EXPECT_EQ(holder(kCtrlShift, 'B'), state.frmVelmora->hWnd());
}

TEST_F(OkAndCancel, AFileThatCannotBeWrittenIsReportedAndTheSettingsStayInForce) {
  writeIni("[Velmora]\r\n" + std::string(kDefaultHotKeys));
  load();
  std::filesystem::permissions(dir.file("Velmora.ini"), std::filesystem::perms::owner_read);
  openDialog([&](sim::ScriptedForm& f) {
    f.type("txtSettouChar", u"int");
    f.type("txtKata", u"integer");
    f.click("cmbAdd");
    f.click("chkHot4", 0);
    f.click("cmbOk");
  });
  ASSERT_EQ(messageTexts(), std::vector<std::u16string>{u"設定ファイルに書き込めませんでした。"});
  EXPECT_EQ(toolkit.messages()[0].shownTitle(), u"ベルモラ");
  EXPECT_EQ(toolkit.messages()[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(ini(), "[Velmora]\r\n" + std::string(kDefaultHotKeys));
  EXPECT_EQ(state.prefixes.PrefixCount(), 1);
  EXPECT_EQ(state.hotKeys[0].HotKeyFlg, 14);
  EXPECT_EQ(holder(14, 'D'), state.frmVelmora->hWnd());
  EXPECT_EQ(owner.tipUpdates, 1);
  EXPECT_FALSE(window().visible());
}

TEST_F(OkAndCancel, CancelEscAndTheCloseBoxHideWithoutWritingAndTheHotKeysStay) {
  writeIni("[Velmora]\r\n" + std::string(kDefaultHotKeys));
  setPrefixes({{u"str", u"String"}});
  SettingsForm& form = load();
  const std::string before = ini();
  const std::vector<sim::ScriptedToolkit::Script> leave = {
      [](sim::ScriptedForm& f) { f.click("cmbCancel"); },
      [](sim::ScriptedForm& f) { f.pressEsc(); },
      [](sim::ScriptedForm& f) { f.pressCloseBox(); },
  };
  for (const auto& how : leave) {
    openDialog([&](sim::ScriptedForm& f) {
      f.type("txtSettouChar", u"lng");
      f.type("txtKata", u"long");
      f.click("cmbAdd");
      f.click("chkNon");
      f.click("chkHot2", 0);
      how(f);
    });
    EXPECT_FALSE(form.unloaded());
    EXPECT_FALSE(window().visible());
  }
  EXPECT_EQ(ini(), before);
  EXPECT_EQ(state.prefixes.PrefixCount(), 1);
  EXPECT_EQ(state.options.intNon, 1);
  EXPECT_EQ(state.hotKeys[0].HotKeyFlg, 6);
  EXPECT_EQ(rows().size(), 4U) << "the rows stay as the user left them";
  EXPECT_EQ(owner.tipUpdates, 0);

  // The hotkeys still work after the close box.
  ASSERT_TRUE(desktop.hotkeys().press(kCtrlShift, 'D'));
  desktop.runFor(1);
  EXPECT_EQ(owner.declared, std::vector<std::u16string>{u"Dim"});

  // The hotkey boxes are refreshed at the next opening, the rows are not.
  openDialog([&](sim::ScriptedForm& f) {
    EXPECT_EQ(f.checkBox("chkHot2", 0).value(), 1);
    EXPECT_EQ(f.checkBox("chkNon").value(), 0) << "options are shown as the user left them";
    f.click("cmbCancel");
  });
}

} // namespace
} // namespace velmora::testing
