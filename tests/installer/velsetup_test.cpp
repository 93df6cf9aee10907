#include "fake_setup_system.hpp"
#include "installer/add_in_list_files.hpp"
#include "installer/register_add_in.hpp"
#include "installer/velsetup.hpp"
#include "installer/velsetup_form.hpp"
#include "sim/forms/scripted_toolkit.hpp"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace velmora {
namespace {

using testing::FakeProfileFiles;
using testing::FakeSetupPlaces;
using testing::kStoreCopy;
using testing::kWindowsList;

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

TEST(AddInListFiles, TheWindowsListAndTheUsersVirtualStoreCopyWhenThereIsOne) {
  EXPECT_EQ(VirtualStorePath(u"C:\\Windows\\VBADDIN.INI", u"D:\\Users\\山田\\AppData\\Local\\"),
            u"D:\\Users\\山田\\AppData\\Local\\VirtualStore\\Windows\\VBADDIN.INI");

  FakeSetupPlaces places;
  places.windows = u"C:\\WINDOWS\\";
  EXPECT_EQ(AddInListFiles(places), std::vector<std::u16string>{kWindowsList});
  places.files.insert(kStoreCopy);
  EXPECT_EQ(AddInListFiles(places), (std::vector<std::u16string>{kWindowsList, kStoreCopy}));
  places.appData.reset();
  EXPECT_EQ(AddInListFiles(places), std::vector<std::u16string>{kWindowsList});
}

struct RegisterCase {
  const char* name;
  bool storeCopy; // the user has a VirtualStore copy of the list
  std::map<std::u16string, FakeProfileFiles::Outcome> outcomes;
  bool registered;
};

class RegisterAddInOutcome : public ::testing::TestWithParam<RegisterCase> {};

TEST_P(RegisterAddInOutcome, WritesEveryListOnceAndReportsWhetherAllHoldTheEntry) {
  FakeProfileFiles profile;
  profile.outcomes = GetParam().outcomes;
  FakeSetupPlaces places;
  std::vector<FakeProfileFiles::Write> expected{
      {kWindowsList, u"Add-Ins32", u"Velmora.VelmoraClass", u"3"}};
  if (GetParam().storeCopy) {
    places.files.insert(kStoreCopy);
    expected.push_back({kStoreCopy, u"Add-Ins32", u"Velmora.VelmoraClass", u"3"});
  }
  sim::ScriptedToolkit boxes;
  RegisterAddIn(profile, places, boxes);

  EXPECT_EQ(profile.writes, expected) << "a failing list does not keep the others unwritten";
  ASSERT_EQ(boxes.messages().size(), 1u);
  const Message& message = boxes.messages()[0];
  if (GetParam().registered) {
    EXPECT_EQ(message.text, u"アドイン「ベルモラ」の登録成功");
    EXPECT_EQ(message.icon, MessageIcon::None);
  } else {
    EXPECT_EQ(message.text, u"アドイン「ベルモラ」の登録に失敗しました");
    EXPECT_EQ(message.icon, MessageIcon::Critical);
  }
  EXPECT_EQ(message.buttons, MessageButtons::Ok);
  EXPECT_EQ(message.shownTitle(), u"ベルモラｾｯﾄｱｯﾌﾟ");
}

using Outcome = FakeProfileFiles::Outcome;

INSTANTIATE_TEST_SUITE_P(
    Outcomes, RegisterAddInOutcome,
    ::testing::Values(
        RegisterCase{"WindowsListOnly", false, {}, true}, RegisterCase{"BothLists", true, {}, true},
        // A refused write is a failure, not a success as the result went unexamined before.
        RegisterCase{"WindowsListRefused", false, {{kWindowsList, Outcome::Refuse}}, false},
        RegisterCase{"WindowsListThrows", true, {{kWindowsList, Outcome::Throw}}, false},
        // The installer's trap catches every error, not only the add-in's own.
        RegisterCase{"CopyRunsOutOfMemory", true, {{kStoreCopy, Outcome::ThrowForeign}}, false},
        RegisterCase{"CopyRefused", true, {{kStoreCopy, Outcome::Refuse}}, false},
        // The system said yes, but the list does not hold the entry.
        RegisterCase{"CopyLost", true, {{kStoreCopy, Outcome::Lose}}, false}),
    [](const ::testing::TestParamInfo<RegisterCase>& run) { return run.param.name; });

TEST(Velsetup, RegisterWritesShowsOneMessageAndThenUnloads) {
  FakeProfileFiles profile;
  FakeSetupPlaces places;
  sim::ScriptedToolkit toolkit;
  std::vector<std::string> journal;
  toolkit.journalTo(&journal);
  bool unloaded = false;
  toolkit.whenShown("frmVelsetup", [&](sim::ScriptedForm& form) {
    form.click("OKButton");
    unloaded = form.unloaded();
  });

  runVelsetup(toolkit, profile, places);

  // One form; the message comes while it is still loaded.
  EXPECT_EQ(journal, (std::vector<std::string>{"load frmVelsetup", "showModal frmVelsetup",
                                               "message アドイン「ベルモラ」の登録成功",
                                               "unload frmVelsetup"}));
  EXPECT_EQ(profile.writes.size(), 1u);
  EXPECT_EQ(profile.read(kWindowsList, u"Add-Ins32", u"Velmora.VelmoraClass"), u"3");
  EXPECT_TRUE(unloaded);
}

TEST(Velsetup, CancelAndTheCloseBoxEndWithoutWritingOrTelling) {
  for (const bool closeBox : {false, true}) {
    FakeProfileFiles profile;
    FakeSetupPlaces places;
    sim::ScriptedToolkit toolkit;
    bool unloaded = false;
    toolkit.whenShown("frmVelsetup", [&](sim::ScriptedForm& form) {
      closeBox ? form.pressCloseBox() : form.click("CancelButton");
      unloaded = form.unloaded();
    });
    runVelsetup(toolkit, profile, places);
    EXPECT_TRUE(unloaded) << closeBox;
    EXPECT_TRUE(profile.writes.empty()) << closeBox;
    EXPECT_TRUE(toolkit.messages().empty()) << closeBox;
  }
}

} // namespace
} // namespace velmora
