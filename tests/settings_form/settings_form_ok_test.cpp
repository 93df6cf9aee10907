#include "settings_form_fixture.hpp"

namespace velmora::testing {
namespace {

using OkAndCancel = SettingsFormTest;

constexpr char kHotKeys[] = "HotKeyFlg1=6\r\nKey1=68\r\nHotKeyFlg2=6\r\nKey2=80\r\n"
                            "HotKeyFlg3=6\r\nKey3=71\r\nHotKeyFlg4=6\r\nKey4=48\r\n";

// Key 48 is not in the key lists: OK keeps it.
TEST_F(OkAndCancel, OkRewritesTheSectionInOrderWithoutStalePairs) {
  writeIni("[Other]\r\nx=1\r\n[Velmora]\r\nSettouChar1=a\r\nKata1=A\r\nSettouChar2=b\r\nKata2=B\r\n"
           "SettouChar3=c\r\nKata3=C\r\nSettouChar4=d\r\nKata4=D\r\nSettouChar5=e\r\nKata5=E\r\n" +
           std::string(kHotKeys));
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
                   "HotKeyFlg3=6\r\nKey3=71\r\nHotKeyFlg4=6\r\nKey4=48\r\n");
  // In force at once, without reading the file again (the hotkeys: SettingsDialogOk.* under Wine).
  EXPECT_EQ(state.prefixes.PrefixTable().size(), 3U);
  EXPECT_EQ(state.options.intComment, 0);
  EXPECT_EQ(holder(kCtrlShift, 48), state.frmVelmora->hWnd());
  EXPECT_TRUE(toolkit.messages().empty());
}

// Esc and the close box: SettingsDialogLifetime.* under Wine.
TEST_F(OkAndCancel, CancelHidesWithoutWritingAndTheEditsStayShown) {
  writeIni("[Velmora]\r\n" + std::string(kHotKeys));
  setPrefixes({{u"str", u"String"}});
  load();
  const std::string before = ini();
  openDialog([&](sim::ScriptedForm& f) {
    f.type("txtSettouChar", u"lng");
    f.type("txtKata", u"long");
    f.click("cmbAdd");
    f.click("chkNon");
    f.click("chkHot2", 0);
    f.click("cmbCancel");
  });
  EXPECT_FALSE(window().visible());
  EXPECT_EQ(ini(), before);
  EXPECT_EQ(state.options.intNon, 1);
  EXPECT_EQ(rows().size(), 2U) << "the rows stay as the user left them";
  EXPECT_EQ(owner.tipUpdates, 0);

  // The hotkey boxes are refreshed at the next opening, the options are not.
  openDialog([&](sim::ScriptedForm& f) {
    EXPECT_EQ(f.checkBox("chkHot2", 0).value(), 1);
    EXPECT_EQ(f.checkBox("chkNon").value(), 0);
    f.click("cmbCancel");
  });
}

} // namespace
} // namespace velmora::testing
