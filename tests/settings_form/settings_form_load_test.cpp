#include "settings_form_fixture.hpp"

namespace velmora::testing {
namespace {

using Load = SettingsFormTest;

// The rows, the atoms and the registration itself: SettingsDialogLoad.* under Wine.
TEST_F(Load, ShowsTheSettingsInMemoryAndRegistersAndRepairsTheFilesHotKeys) {
  library.setVersion({2, 10});
  state.prefixes = Prefixes({{u"str", u"String"}, {u" lng", u"Long"}, {u"stale", u"Never"}}, 2);
  state.options = Options{0, 1, 0, 1};
  writeIni("[Velmora]\r\nHotKeyFlg1=3\r\nKey1=112\r\nKey2=81\r\nHotKeyFlg3=0\r\nKey3=42\r\n"
           "HotKeyFlg4=15\r\n");
  SettingsForm& form = load();
  EXPECT_EQ(window().label("lblVersion").caption(), u"ベルモラ Ver 2.10");
  EXPECT_EQ(window().checkBox("chkNon").value(), 0);
  EXPECT_EQ(window().checkBox("chkImeMode").value(), 1);
  EXPECT_FALSE(window().checkBox("chkImeMode").enabled());
  EXPECT_EQ(form.cboKey(3).listIndex(), -1) << "the load selects nothing";

  EXPECT_EQ(ini(), "[Velmora]\r\nHotKeyFlg1=3\r\nKey1=112\r\nKey2=81\r\nHotKeyFlg3=0\r\nKey3=42\r\n"
                   "HotKeyFlg4=15\r\nHotKeyFlg2=6\r\nKey4=66\r\n");
  EXPECT_EQ(holder(kModAlt | kModControl, 112), form.hWnd());
  EXPECT_EQ(holder(0, 42), form.hWnd()) << "no modifier: the bare key";
  EXPECT_EQ(holder(15, 'B'), form.hWnd());
  EXPECT_TRUE(toolkit.messages().empty());
}

} // namespace
} // namespace velmora::testing
