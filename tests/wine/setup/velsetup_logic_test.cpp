#include "common/add_in_list_file.hpp"
#include "forms/ui_steps.hpp"
#include "forms/win32_forms_toolkit.hpp"
#include "installer/velsetup.hpp"
#include "local_app_data.hpp"
#include "message_box_watcher.hpp"
#include "setup/system_profile_files.hpp"
#include "setup/system_setup_places.hpp"

namespace velmora {
namespace {

using testing::AddInListFile;
using testing::addInListValue;
using testing::LocalAppDataFolder;
using testing::MessageBoxWatcher;
using testing::UiSteps;

// Velsetup's form and logic with the real toolkit and the real profile function, driven as the
// user would: the steps find the form by its caption and press its buttons.
class VelsetupLogic : public ::testing::Test {
protected:
  static HWND setupForm() { return FindWindowW(L"VelmoraForm", L"ベルモラ登録"); }
  static void press(const wchar_t* caption) {
    SendMessageW(FindWindowExW(setupForm(), nullptr, L"Button", caption), BM_CLICK, 0, 0);
  }

  void run(std::vector<std::function<void()>> user) {
    UiSteps steps(std::move(user));
    runVelsetup(toolkit, profile, places);
    EXPECT_TRUE(steps.finished());
    EXPECT_EQ(setupForm(), nullptr) << "the form is gone when the program would end";
  }

  // Presses 登録; the one message of the run: success, or failure with the error icon.
  void registerSaying(bool success) {
    run({[] { press(L"登録"); }});
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, success ? L"アドイン「ベルモラ」の登録成功"
                                          : L"アドイン「ベルモラ」の登録に失敗しました");
    EXPECT_EQ(boxes.seen[0].title, L"ベルモラｾｯﾄｱｯﾌﾟ");
    EXPECT_EQ(boxes.seen[0].icon, !success);
  }

  AddInListFile file;
  MessageBoxWatcher boxes;
  win32::Win32FormsToolkit toolkit;
  win32::SystemProfileFiles profile;
  win32::SystemSetupPlaces places;
};

TEST_F(VelsetupLogic, RegisteringCreatesTheListWithTheEntryAndSaysSo) {
  registerSaying(true);
  EXPECT_EQ(file.value("Add-Ins32", "Velmora.VelmoraClass"), "3");
  EXPECT_EQ(file.bytes(), "[Add-Ins32]\r\nVelmora.VelmoraClass=3\r\n");
}

TEST_F(VelsetupLogic, RegisteringReplacesTheValueAndKeepsTheOtherEntries) {
  file.write("[Add-Ins32]\r\nOther.Connect=0\r\nVelmora.VelmoraClass=0\r\n"
             "[Other]\r\nkey=value\r\n");
  registerSaying(true);
  EXPECT_EQ(file.value("Add-Ins32", "Velmora.VelmoraClass"), "3");
  EXPECT_EQ(file.value("Add-Ins32", "Other.Connect"), "0");
  EXPECT_EQ(file.value("Other", "key"), "value");
}

// The user's local application data folder is a test folder: with a VirtualStore copy of the list
// there (which an IDE run without elevation reads instead of the Windows directory's), both get
// the entry; without one, only the Windows directory's list does and no copy is made.
TEST_F(VelsetupLogic, AVirtualStoreCopyOfTheListGetsTheEntryToo) {
  LocalAppDataFolder local;
  ASSERT_EQ(std::filesystem::path(places.localAppData().value_or(u"")), local.path())
      << "the known-folder lookup follows the user's shell folders";
  const std::filesystem::path copy = local.virtualStoreCopy(L"VBADDIN.INI");
  std::filesystem::create_directories(copy.parent_path());
  std::ofstream(copy, std::ios::binary) << "[Add-Ins32]\r\nOther.Connect=3\r\n";
  file.write("[Add-Ins32]\r\nOther.Connect=0\r\n");

  registerSaying(true);
  EXPECT_EQ(file.value("Add-Ins32", "Velmora.VelmoraClass"), "3");
  EXPECT_EQ(file.value("Add-Ins32", "Other.Connect"), "0");
  EXPECT_EQ(addInListValue(copy, "Add-Ins32", "Velmora.VelmoraClass"), "3");
  EXPECT_EQ(addInListValue(copy, "Add-Ins32", "Other.Connect"), "3");
}

TEST_F(VelsetupLogic, WithoutAVirtualStoreCopyOnlyTheWindowsListIsWritten) {
  LocalAppDataFolder local;
  registerSaying(true);
  EXPECT_EQ(file.value("Add-Ins32", "Velmora.VelmoraClass"), "3");
  EXPECT_FALSE(std::filesystem::exists(local.path() / L"VirtualStore")) << "no copy is made";
}

TEST_F(VelsetupLogic, AVirtualStoreCopyThatCannotBeWrittenIsAFailure) {
  LocalAppDataFolder local;
  const std::filesystem::path copy = local.virtualStoreCopy(L"VBADDIN.INI");
  std::filesystem::create_directories(copy.parent_path());
  std::ofstream(copy, std::ios::binary) << "[Add-Ins32]\r\n";
  if (!testing::makeReadOnly(copy)) {
    GTEST_SKIP() << "this user may write read-only files";
  }
  registerSaying(false);
  EXPECT_EQ(file.value("Add-Ins32", "Velmora.VelmoraClass"), "3") << "the other list is written";
}

TEST_F(VelsetupLogic, CancelAndTheCloseBoxWriteAndSayNothing) {
  run({[] { press(L"ｷｬﾝｾﾙ"); }});
  run({[] { PostMessageW(setupForm(), WM_CLOSE, 0, 0); }});
  EXPECT_FALSE(file.exists());
  EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(VelsetupLogic, AListThatCannotBeWrittenIsReportedAsAFailureWithTheErrorIcon) {
  file.blockWithDirectory();
  registerSaying(false);
}

TEST_F(VelsetupLogic, AReadOnlyListIsReportedAsAFailureAndStaysAsItWas) {
  const std::string before = "[Add-Ins32]\r\nVelmora.VelmoraClass=0\r\n";
  file.write(before);
  if (!testing::makeReadOnly(file.path())) {
    GTEST_SKIP() << "this user may write read-only files";
  }
  registerSaying(false);
  EXPECT_EQ(file.bytes(), before);
}

} // namespace
} // namespace velmora
