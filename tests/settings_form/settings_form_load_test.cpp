#include "settings_form_fixture.hpp"

namespace velmora::testing {
namespace {

using Load = SettingsFormTest;

TEST_F(Load, WithoutAFileTheDefaultsAreRegisteredAndWrittenBack) {
  SettingsForm& form = load();
  EXPECT_TRUE(toolkit.messages().empty());
  EXPECT_FALSE(window().visible());
  EXPECT_EQ(window().label("lblVersion").caption(), u"ベルモラ Ver 1.3");
  for (const char key : {'D', 'P', 'G', 'B'}) {
    EXPECT_EQ(holder(kCtrlShift, key), form.hWnd()) << key;
  }
  EXPECT_EQ(desktop.atoms().size(), 4U);
  EXPECT_EQ(desktop.atoms().name(static_cast<std::uint16_t>(state.hook.HotKeyId(3))), "VBSHOYKEY3");
  EXPECT_EQ(ini(), "[Velmora]\r\nHotKeyFlg1=6\r\nKey1=68\r\nHotKeyFlg2=6\r\nKey2=80\r\n"
                   "HotKeyFlg3=6\r\nKey3=71\r\nHotKeyFlg4=6\r\nKey4=66\r\n");

  for (int row = 0; row < 4; ++row) {
    ComboBox& keys = form.cboKey(row);
    ASSERT_EQ(keys.count(), 58);
    EXPECT_EQ(keys.itemText(14), u"PrintScreen キー");
    EXPECT_EQ(keys.itemData(14), 42);
    EXPECT_EQ(keys.itemData(57), 'Z');
    EXPECT_EQ(keys.listIndex(), -1) << "the load selects nothing";
  }
  EXPECT_EQ(form.face(ButtonFace::Settei), ButtonFacePicture(ButtonFace::Settei));
}

TEST_F(Load, ShowsTheTableAndOptionsInMemoryAndRepairsMissingHotKeys) {
  library.setVersion({2, 10});
  state.prefixes = Prefixes({{u"str", u"String"}, {u" lng", u"Long"}, {u"stale", u"Never"}}, 2);
  state.options = Options{0, 1, 0, 1};
  writeIni("[Velmora]\r\nHotKeyFlg1=3\r\nKey1=112\r\nKey2=81\r\nHotKeyFlg3=0\r\nKey3=42\r\n"
           "HotKeyFlg4=15\r\n");
  load();
  EXPECT_EQ(window().label("lblVersion").caption(), u"ベルモラ Ver 2.10");
  EXPECT_EQ(rows(),
            (std::vector<std::vector<std::u16string>>{{u"str", u"String"}, {u" lng", u"Long"}}));
  EXPECT_EQ(window().checkBox("chkNon").value(), 0);
  EXPECT_EQ(window().checkBox("chkTenmetsu").value(), 1);
  EXPECT_EQ(window().checkBox("chkComment").value(), 0);
  EXPECT_EQ(window().checkBox("chkImeMode").value(), 1);
  EXPECT_FALSE(window().checkBox("chkImeMode").enabled());

  EXPECT_EQ(state.hotKeys[1].HotKeyFlg, 6);
  EXPECT_EQ(state.hotKeys[3].Key, 66);
  EXPECT_EQ(ini(), "[Velmora]\r\nHotKeyFlg1=3\r\nKey1=112\r\nKey2=81\r\nHotKeyFlg3=0\r\nKey3=42\r\n"
                   "HotKeyFlg4=15\r\nHotKeyFlg2=6\r\nKey4=66\r\n");
  EXPECT_NE(holder(kModAlt | kModControl, 112), 0U);
  EXPECT_NE(holder(kCtrlShift, 'Q'), 0U);
  EXPECT_NE(holder(0, 42), 0U) << "no modifier: the bare key";
  EXPECT_NE(holder(15, 'B'), 0U);
}

TEST_F(Load, ACombinationHeldElsewhereIsReportedPerSlot) {
  ASSERT_TRUE(other.hotkeys().registerHotKey(otherWindow, 1, kCtrlShift, 'G'));
  ASSERT_TRUE(other.hotkeys().registerHotKey(otherWindow, 2, kCtrlShift, 'D'));
  load();
  ASSERT_EQ(toolkit.messages().size(), 2U);
  EXPECT_EQ(toolkit.messages()[0].text, u"[DIM]ｼｮｰﾄｶｯﾄｷｰの設定に失敗しました。");
  EXPECT_EQ(toolkit.messages()[1].text, u"[PUBLIC]ｼｮｰﾄｶｯﾄｷｰの設定に失敗しました。");
  EXPECT_EQ(toolkit.messages()[1].shownTitle(), u"Velmora");
  EXPECT_EQ(holder(kCtrlShift, 'P'), state.frmVelmora->hWnd());
  EXPECT_EQ(holder(kCtrlShift, 'B'), state.frmVelmora->hWnd());
  // The refused slots hold their atoms, so that the next release deletes them.
  EXPECT_EQ(desktop.atoms().size(), 4U);
}

TEST_F(Load, AValueThatIsNoNumberEndsTheLoadWithItsDescription) {
  writeIni("[Velmora]\r\nHotKeyFlg1=6\r\nKey1=68\r\nHotKeyFlg2=Ctrl\r\n");
  SettingsForm& form = load();
  ASSERT_EQ(toolkit.messages().size(), 1U);
  EXPECT_EQ(toolkit.messages()[0].text, u"型が一致しません。");
  EXPECT_EQ(toolkit.messages()[0].shownTitle(), u"ベルモラ");
  // The form is loaded and hooked; what came before the bad value stays done.
  EXPECT_FALSE(form.unloaded());
  EXPECT_EQ(form.cboKey(3).count(), 58);
  EXPECT_NE(state.hook.PrevWndProc, 0U);
  EXPECT_EQ(state.hotKeys[0].Key, 68);
  EXPECT_EQ(desktop.hotkeys().count(), 0U);
  EXPECT_EQ(ini(), "[Velmora]\r\nHotKeyFlg1=6\r\nKey1=68\r\nHotKeyFlg2=Ctrl\r\n");
}

} // namespace
} // namespace velmora::testing
