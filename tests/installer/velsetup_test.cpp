#include "fake_profile_writer.hpp"
#include "fake_setup_toolkit.hpp"
#include "installer/register_add_in.hpp"
#include "installer/velsetup.hpp"
#include "installer/velsetup_form.hpp"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::FakeForm;
using testing::FakeProfileWriter;
using testing::FakeSetupToolkit;
using Outcome = FakeProfileWriter::Outcome;

const FakeProfileWriter::Write kEntry{"VBADDIN.INI", "Add-Ins32", "Velmora.VelmoraClass", "3"};

const ControlSpec& control(const FormSpec& form, const std::string& name) {
  for (const auto& spec : form.controls) {
    if (spec.name == name) {
      return spec;
    }
  }
  throw std::logic_error("no control " + name);
}

void expectPlace(const ControlSpec& spec, TwipRect place) {
  EXPECT_EQ(spec.place.left, place.left) << spec.name;
  EXPECT_EQ(spec.place.top, place.top) << spec.name;
  EXPECT_EQ(spec.place.width, place.width) << spec.name;
  EXPECT_EQ(spec.place.height, place.height) << spec.name;
}

TEST(VelsetupForm, HoldsTheLabelAndTheTwoButtonsInsideItsClientArea) {
  const FormSpec form = velsetupFormSpec();
  EXPECT_EQ(form.name, "frmVelsetup");
  EXPECT_EQ(form.caption, u"ベルモラ登録");
  ASSERT_EQ(form.controls.size(), 3u);

  const ControlSpec& label = control(form, "Label1");
  EXPECT_EQ(label.kind, ControlKind::Label);
  EXPECT_EQ(label.caption, u"アドイン「ベルモラ」の登録を行います");
  expectPlace(label, {300, 120, 3195, 375});
  ASSERT_TRUE(label.font.has_value());
  EXPECT_EQ(label.font->name, u"ＭＳ Ｐゴシック");
  EXPECT_EQ(label.font->points, 9.0);
  EXPECT_TRUE(label.font->bold);
  EXPECT_FALSE(label.font->italic);

  const ControlSpec& ok = control(form, "OKButton");
  const ControlSpec& cancel = control(form, "CancelButton");
  EXPECT_EQ(ok.caption, u"登録");
  EXPECT_EQ(cancel.caption, u"ｷｬﾝｾﾙ");
  expectPlace(ok, {540, 540, 1215, 375});
  expectPlace(cancel, {1860, 540, 1215, 375});
  for (const ControlSpec* button : {&ok, &cancel}) {
    EXPECT_EQ(button->kind, ControlKind::Button);
    EXPECT_FALSE(button->isDefault);
    EXPECT_FALSE(button->isCancel);
  }
  EXPECT_LT(ok.tabIndex, cancel.tabIndex);
  EXPECT_GE(ok.tabIndex, 0);

  for (const auto& spec : form.controls) {
    EXPECT_LE(spec.place.left + spec.place.width, form.clientWidth) << spec.name;
    EXPECT_LE(spec.place.top + spec.place.height, form.clientHeight) << spec.name;
  }
}

struct RegisterCase {
  Outcome outcome;
  const char16_t* text;
  MessageIcon icon;
};

class RegisterAddInOutcome : public ::testing::TestWithParam<RegisterCase> {};

TEST_P(RegisterAddInOutcome, WritesTheEntryOnceAndReportsWhatHappened) {
  FakeProfileWriter profile(GetParam().outcome);
  FakeSetupToolkit boxes([](FakeForm&) {});
  RegisterAddIn(profile, boxes);

  ASSERT_EQ(profile.writes.size(), 1u);
  EXPECT_EQ(profile.writes[0], kEntry);
  ASSERT_EQ(boxes.messages.size(), 1u);
  const Message& message = boxes.messages[0];
  EXPECT_EQ(message.text, GetParam().text);
  EXPECT_EQ(message.icon, GetParam().icon);
  EXPECT_EQ(message.buttons, MessageButtons::Ok);
  EXPECT_EQ(message.shownTitle(), u"ベルモラｾｯﾄｱｯﾌﾟ");
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, RegisterAddInOutcome,
    ::testing::Values(
        RegisterCase{Outcome::Accept, u"アドイン「ベルモラ」の登録成功", MessageIcon::None},
        // A refused write is a failure, not a success as the result went unexamined before.
        RegisterCase{Outcome::Refuse, u"アドイン「ベルモラ」の登録に失敗しました",
                     MessageIcon::Critical},
        RegisterCase{Outcome::Throw, u"アドイン「ベルモラ」の登録に失敗しました",
                     MessageIcon::Critical}));

TEST(Velsetup, RegisterWritesShowsOneMessageAndThenUnloads) {
  FakeProfileWriter profile;
  bool unloaded = false;
  FakeSetupToolkit toolkit([&](FakeForm& form) {
    form.click("OKButton");
    unloaded = form.unloaded();
  });

  runVelsetup(toolkit, profile);

  EXPECT_EQ(toolkit.loaded.size(), 1u);
  EXPECT_EQ(profile.writes, std::vector<FakeProfileWriter::Write>{kEntry});
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text, u"アドイン「ベルモラ」の登録成功");
  EXPECT_EQ(toolkit.formLoadedAtMessage, std::vector<bool>{true});
  EXPECT_TRUE(unloaded);
}

TEST(Velsetup, CancelAndTheCloseBoxEndWithoutWritingOrTelling) {
  for (const bool closeBox : {false, true}) {
    FakeProfileWriter profile;
    bool unloaded = false;
    FakeSetupToolkit toolkit([&](FakeForm& form) {
      if (closeBox) {
        form.closeBox();
      } else {
        form.click("CancelButton");
      }
      unloaded = form.unloaded();
    });
    runVelsetup(toolkit, profile);
    EXPECT_TRUE(unloaded) << closeBox;
    EXPECT_TRUE(profile.writes.empty()) << closeBox;
    EXPECT_TRUE(toolkit.messages.empty()) << closeBox;
  }
}

} // namespace
} // namespace velmora
