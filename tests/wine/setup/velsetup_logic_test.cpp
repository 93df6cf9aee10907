#include "add_in_list_file.hpp"
#include "forms/ui_steps.hpp"
#include "forms/win32_forms_toolkit.hpp"
#include "installer/velsetup.hpp"
#include "message_box_watcher.hpp"
#include "setup/system_profile_writer.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {
namespace {

using testing::AddInListFile;
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
    runVelsetup(toolkit, profile);
    EXPECT_TRUE(steps.finished());
    EXPECT_EQ(setupForm(), nullptr) << "the form is gone when the program would end";
  }

  AddInListFile file;
  MessageBoxWatcher boxes;
  win32::Win32FormsToolkit toolkit;
  win32::SystemProfileWriter profile;
};

TEST_F(VelsetupLogic, RegisteringCreatesTheListWithTheEntryAndSaysSo) {
  run({[] { press(L"登録"); }});
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].text, L"アドイン「ベルモラ」の登録成功");
  EXPECT_EQ(boxes.seen[0].title, L"ベルモラｾｯﾄｱｯﾌﾟ");
  EXPECT_FALSE(boxes.seen[0].icon);
  EXPECT_EQ(file.value("Add-Ins32", "Velmora.VelmoraClass"), "3");
  EXPECT_EQ(file.bytes(), "[Add-Ins32]\r\nVelmora.VelmoraClass=3\r\n");
}

TEST_F(VelsetupLogic, RegisteringReplacesTheValueAndKeepsTheOtherEntries) {
  file.write("[Add-Ins32]\r\nOther.Connect=0\r\nVelmora.VelmoraClass=0\r\n"
             "[Other]\r\nkey=value\r\n");
  run({[] { press(L"登録"); }});
  EXPECT_EQ(file.value("Add-Ins32", "Velmora.VelmoraClass"), "3");
  EXPECT_EQ(file.value("Add-Ins32", "Other.Connect"), "0");
  EXPECT_EQ(file.value("Other", "key"), "value");
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].text, L"アドイン「ベルモラ」の登録成功");
}

TEST_F(VelsetupLogic, CancelAndTheCloseBoxWriteAndSayNothing) {
  run({[] { press(L"ｷｬﾝｾﾙ"); }});
  run({[] { PostMessageW(setupForm(), WM_CLOSE, 0, 0); }});
  EXPECT_FALSE(file.exists());
  EXPECT_TRUE(boxes.seen.empty());
}

void expectFailureMessage(const std::vector<testing::MessageBoxSeen>& seen) {
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, L"アドイン「ベルモラ」の登録に失敗しました");
  EXPECT_EQ(seen[0].title, L"ベルモラｾｯﾄｱｯﾌﾟ");
  EXPECT_TRUE(seen[0].icon) << "the error icon";
}

TEST_F(VelsetupLogic, AListThatCannotBeWrittenIsReportedAsAFailureWithTheErrorIcon) {
  file.blockWithDirectory();
  run({[] { press(L"登録"); }});
  expectFailureMessage(boxes.seen);
}

TEST_F(VelsetupLogic, AReadOnlyListIsReportedAsAFailureAndStaysAsItWas) {
  const std::string before = "[Add-Ins32]\r\nVelmora.VelmoraClass=0\r\n";
  file.write(before);
  if (!file.setReadOnly()) {
    GTEST_SKIP() << "this user may write read-only files";
  }
  run({[] { press(L"登録"); }});
  expectFailureMessage(boxes.seen);
  EXPECT_EQ(file.bytes(), before);
}

} // namespace
} // namespace velmora
