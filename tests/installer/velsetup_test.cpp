#include "fake_setup_system.hpp"
#include "installer/add_in_list_files.hpp"
#include "installer/register_add_in.hpp"
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

TEST(AddInListFiles, TheWindowsListAndTheUsersVirtualStoreCopyWhenThereIsOne) {
  EXPECT_EQ(VirtualStorePath(u"C:\\Windows\\VBADDIN.INI", u"D:\\Users\\山田\\AppData\\Local\\"),
            u"D:\\Users\\山田\\AppData\\Local\\VirtualStore\\Windows\\VBADDIN.INI");

  FakeSetupPlaces places;
  places.windows = u"C:\\WINDOWS\\";
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
  const bool registered = GetParam().registered;
  EXPECT_EQ(message.text, registered ? u"アドイン「ベルモラ」の登録成功"
                                     : u"アドイン「ベルモラ」の登録に失敗しました");
  EXPECT_EQ(message.icon, registered ? MessageIcon::None : MessageIcon::Critical);
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

} // namespace
} // namespace velmora
