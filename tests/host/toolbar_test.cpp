#include "connection_fixture.hpp"
#include "settings/settings_faces.hpp"

namespace velmora {
namespace {

using ToolbarTest = testing::ConnectionTest;

const std::vector<std::u16string> kCaptions = {u"Dim宣言", u"Private宣言", u"Public宣言",
                                               u"標準ﾓｼﾞｭｰﾙPublic宣言", u"設定"};

TEST_F(ToolbarTest, FreshIdeGetsOneVisibleTopBarWithFiveFacedButtonsAndTheirTips) {
  desktop.clipboard().setText(u"the user's text");
  connect();
  const auto found = toolbars();
  ASSERT_EQ(found.size(), 1U);
  EXPECT_TRUE(found[0]->isVisible());
  EXPECT_EQ(found[0]->position(), kBarPositionTop);
  EXPECT_EQ(captionsOf(*found[0]), kCaptions);
  const ButtonFace faces[] = {ButtonFace::Dim, ButtonFace::Private, ButtonFace::Public,
                              ButtonFace::Bas, ButtonFace::Settei};
  for (std::size_t i = 0; i < 5; ++i) {
    const auto& button = found[0]->buttons()[i];
    EXPECT_EQ(button->type(), kControlTypeButton);
    EXPECT_EQ(button->beginsGroup(), i == 4);
    EXPECT_EQ(button->face(), ButtonFacePicture(faces[i]));
  }
  EXPECT_EQ(state.buttons.mnuSettei, found[0]->buttons()[4]);
  EXPECT_EQ(found[0]->buttons()[4]->currentTooltip(), u"");
  // The default hotkeys' tips: ConnectionTest.WithoutASettingsFile...
  const ComboBox& list = state.frmVelmora->cboKey(0);
  EXPECT_EQ(ButtonTip(1, HotKey{15, 112}, list), u"Dim宣言(Alt+Ctrl+Shift+Win+F1 キー)");
  EXPECT_EQ(ButtonTip(4, HotKey{16 | 4, 66}, list), u"標準ﾓｼﾞｭｰﾙ内Public宣言(Shift+B)");
  EXPECT_EQ(desktop.clipboard().text(), u"the user's text") << "the clipboard is put back";
}

TEST_F(ToolbarTest, ALeftoverBarIsReusedAndItsDeadButtonsGo) {
  auto old = bars->addBar(kToolbarName);
  old->addControl(1)->setCaption(u"Dim宣言");
  old->addControl(1)->setCaption(u"自作マクロ");
  old->addControl(1)->setCaption(u"設定");
  connect();
  ASSERT_EQ(toolbars().size(), 1U) << "no second bar";
  EXPECT_EQ(toolbars()[0], old);
  std::vector<std::u16string> expected = {u"自作マクロ"};
  expected.insert(expected.end(), kCaptions.begin(), kCaptions.end());
  EXPECT_EQ(captionsOf(*old), expected);
}

// The tooltips' trap catches the standard library's errors too: here the key lists of a form
// that is gone, which the scripted toolkit refuses as a program error.
TEST_F(ToolbarTest, AnyTooltipFailureIsReportedWithItsDescription) {
  connect();
  state.frmVelmora->unload();
  UpdateButtonTips(state.buttons, HotKeys{}, state.frmVelmora->window(), toolkit);
  ASSERT_EQ(toolkit.messages().size(), 1U);
  EXPECT_EQ(toolkit.messages()[0].text, u"form frmVelmora used after its unload");
  EXPECT_EQ(toolkit.messages()[0].shownTitle(), u"ベルモラ");
  EXPECT_EQ(toolbars()[0]->buttons()[0]->currentTooltip(), u"Dim宣言(Ctrl+Shift+D)");
}

} // namespace
} // namespace velmora
