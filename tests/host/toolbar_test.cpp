#include "host/toolbar.hpp"
#include "ports/control_layouts.hpp"
#include "sim/commandbars/memory_command_bars.hpp"
#include "sim/forms/scripted_toolkit.hpp"
#include "sim/ide/memory_vbe.hpp"
#include "sim/system/sim_clipboard.hpp"
#include "support/error.hpp"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using sim::MemoryCommandBar;

Bitmap face(Colour16 colour) {
  return Bitmap{16, 16, std::vector<Colour16>(256, colour)};
}

// A stand-in for the settings form: the five faces and the four key lists.
FormSpec facesAndKeys() {
  FormSpec spec;
  spec.name = "frmFaces";
  const char* pictures[] = {"picDim", "picPrivate", "picPublic", "picBas", "picSettei"};
  for (int i = 0; i < 5; ++i) {
    auto picture = controlSpec(ControlKind::PictureBox, pictures[i], u"", {});
    picture.picture = face(static_cast<Colour16>(i + 1));
    spec.controls.push_back(picture);
  }
  for (int row = 0; row < 4; ++row) {
    auto keys = controlSpec(ControlKind::ComboBox, "cboKey", u"", {});
    keys.index = row;
    keys.comboStyle = ComboStyle::DropDownList;
    spec.controls.push_back(keys);
  }
  return spec;
}

class ToolbarTest : public ::testing::Test {
protected:
  ToolbarTest() {
    world_->clipboard = &clipboard_;
    bars_ = std::make_shared<sim::MemoryCommandBars>(world_);
    events_ = std::make_shared<sim::MemoryEvents>(world_);
    vbe_.plugCommandBars(bars_, events_);
    form_ = forms_.load(facesAndKeys());
    for (int row = 0; row < 4; ++row) {
      auto& keys = form_->comboBox("cboKey", row);
      keys.addItem(u"D", 68);
      keys.addItem(u"F1 キー", 112);
      keys.addItem(u"B", 66);
      keys.addItem(u"G", 71);
      keys.addItem(u"P", 80);
    }
  }

  void create() {
    ToolbarContext context{vbe_,
                           buttons_,
                           sinks_,
                           clipboard_,
                           [this]() -> Form& { return *form_; },
                           [this](int index) { clicks_.push_back(index); }};
    CreateToolbar(context);
  }
  std::shared_ptr<MemoryCommandBar> bar() const {
    auto found = bars_->barsNamed(kToolbarName);
    return found.size() == 1 ? found[0] : nullptr;
  }
  std::vector<std::u16string> captions() const {
    std::vector<std::u16string> texts;
    for (const auto& button : bar()->buttons()) {
      texts.push_back(button->currentCaption());
    }
    return texts;
  }

  std::shared_ptr<sim::CommandBarWorld> world_ = std::make_shared<sim::CommandBarWorld>();
  sim::SimClipboard clipboard_;
  std::shared_ptr<sim::MemoryCommandBars> bars_;
  std::shared_ptr<sim::MemoryEvents> events_;
  sim::MemoryVbe vbe_;
  sim::ScriptedToolkit forms_;
  std::unique_ptr<Form> form_;
  ToolbarButtons buttons_;
  EventSinks sinks_;
  std::vector<int> clicks_;
};

const std::vector<std::u16string> kCaptions = {u"Dim宣言", u"Private宣言", u"Public宣言",
                                               u"標準ﾓｼﾞｭｰﾙPublic宣言", u"設定"};

TEST_F(ToolbarTest, FreshIdeGetsOneVisibleTopBarWithFiveFacedButtons) {
  clipboard_.setText(u"the user's text");
  create();
  ASSERT_NE(bar(), nullptr);
  EXPECT_TRUE(bar()->isVisible());
  EXPECT_EQ(bar()->position(), kBarPositionTop);
  EXPECT_EQ(captions(), kCaptions);
  for (std::size_t i = 0; i < 5; ++i) {
    const auto& button = bar()->buttons()[i];
    EXPECT_EQ(button->type(), kControlTypeButton);
    EXPECT_EQ(button->beginsGroup(), i == 4);
    EXPECT_EQ(button->face(), face(static_cast<Colour16>(i + 1)));
  }
  EXPECT_EQ(buttons_.mnuDim, bar()->buttons()[0]);
  EXPECT_EQ(buttons_.mnuSettei, bar()->buttons()[4]);
  EXPECT_EQ(clipboard_.text(), u"the user's text") << "the clipboard is put back";
}

TEST_F(ToolbarTest, ClicksReachTheirHandlers) {
  create();
  for (int i = 4; i >= 0; --i) {
    ASSERT_TRUE(events_->clickButton(kCaptions[static_cast<std::size_t>(i)]));
  }
  EXPECT_EQ(clicks_, (std::vector<int>{4, 3, 2, 1, 0}));
  ASSERT_TRUE(sinks_.BasMenuHandler);
}

TEST_F(ToolbarTest, ALeftoverBarIsReusedAndItsDeadButtonsGo) {
  auto old = bars_->addBar(kToolbarName);
  old->addControl(1)->setCaption(u"Dim宣言");
  old->addControl(1)->setCaption(u"自作マクロ");
  old->addControl(1)->setCaption(u"設定");
  create();
  ASSERT_NE(bar(), nullptr) << "no second bar";
  EXPECT_EQ(bar(), old);
  std::vector<std::u16string> expected = {u"自作マクロ"};
  expected.insert(expected.end(), kCaptions.begin(), kCaptions.end());
  EXPECT_EQ(captions(), expected);
}

TEST_F(ToolbarTest, AFailingHostCallEndsTheBuildKeepingWhatExists) {
  world_->calls.failAt("CommandBarButton.PasteFace", 3);
  EXPECT_THROW(create(), HostError);
  ASSERT_NE(bar(), nullptr);
  EXPECT_EQ(captions(), (std::vector<std::u16string>{u"Dim宣言", u"Private宣言", u"Public宣言"}));
  EXPECT_FALSE(buttons_.mnuBas);
}

TEST_F(ToolbarTest, TooltipsShowTheHotkeys) {
  create();
  HotKeys keys = {HotKey{6, 68}, HotKey{6, 80}, HotKey{6, 71}, HotKey{6, 66}};
  UpdateButtonTips(buttons_, keys, *form_, forms_);
  const std::vector<std::u16string> tips = {u"Dim宣言(Ctrl+Shift+D)", u"Private宣言(Ctrl+Shift+P)",
                                            u"Public宣言(Ctrl+Shift+G)",
                                            u"標準ﾓｼﾞｭｰﾙ内Public宣言(Ctrl+Shift+B)"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(bar()->buttons()[i]->currentTooltip(), tips[i]);
  }
  EXPECT_EQ(bar()->buttons()[4]->currentTooltip(), u"");

  const ComboBox& list = form_->comboBox("cboKey", 0);
  EXPECT_EQ(ButtonTip(1, HotKey{15, 112}, list), u"Dim宣言(Alt+Ctrl+Shift+Win+F1 キー)");
  EXPECT_EQ(ButtonTip(1, HotKey{0, 48}, list), u"Dim宣言()");
  EXPECT_EQ(ButtonTip(1, HotKey{2, 48}, list), u"Dim宣言(Ctrl+)");
  EXPECT_EQ(ButtonTip(1, HotKey{16 | 4, 66}, list), u"Dim宣言(Shift+B)");
}

// The tooltips' trap catches the standard library's errors too: here the key lists of a form
// that is gone, which the scripted toolkit refuses as a program error.
TEST_F(ToolbarTest, AnyTooltipFailureIsReportedWithItsDescription) {
  create();
  form_->unload();
  UpdateButtonTips(buttons_, HotKeys{}, *form_, forms_);
  ASSERT_EQ(forms_.messages().size(), 1U);
  EXPECT_EQ(forms_.messages()[0].text, u"form frmFaces used after its unload");
  EXPECT_EQ(forms_.messages()[0].shownTitle(), u"ベルモラ");
  EXPECT_EQ(bar()->buttons()[0]->currentTooltip(), u"");
}

TEST_F(ToolbarTest, TooltipFailureIsReportedAndEarlierTipsStay) {
  create();
  HotKeys keys = {HotKey{2, 68}, HotKey{2, 80}, HotKey{2, 71}, HotKey{2, 66}};
  world_->calls.failAt("CommandBarControl.TooltipText", 3);
  UpdateButtonTips(buttons_, keys, *form_, forms_);
  EXPECT_EQ(bar()->buttons()[1]->currentTooltip(), u"Private宣言(Ctrl+P)");
  EXPECT_EQ(bar()->buttons()[2]->currentTooltip(), u"");
  EXPECT_EQ(bar()->buttons()[3]->currentTooltip(), u"");
  ASSERT_EQ(forms_.messages().size(), 1U);
  EXPECT_EQ(forms_.messages()[0].shownTitle(), u"ベルモラ");
  EXPECT_FALSE(forms_.messages()[0].text.empty());
}

} // namespace
} // namespace velmora
