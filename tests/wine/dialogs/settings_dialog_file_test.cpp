#include "file_holder.hpp"
#include "settings_dialog_fixture.hpp"
#include "user_actions.hpp"

#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>
#include <windows.h>

// OK writing Velmora.ini on the real file system: while another program holds it open, when it
// is hidden. The file is replaced whole or not at all.
namespace velmora::testing {
namespace {

using SettingsDialogFile = SettingsDialogTest;

constexpr char kOld[] = "[Velmora]\r\nNon=1\r\nTenmetsu=1\r\nComment=1\r\nImeMode=1\r\n"
                        "HotKeyFlg1=6\r\nKey1=68\r\nHotKeyFlg2=6\r\nKey2=80\r\n"
                        "HotKeyFlg3=6\r\nKey3=71\r\nHotKeyFlg4=6\r\nKey4=66\r\n";
// What OK writes after the user turned "Non" off.
constexpr char kNew[] = "[Velmora]\r\nNon=0\r\nTenmetsu=1\r\nComment=1\r\nImeMode=1\r\n"
                        "HotKeyFlg1=6\r\nKey1=68\r\nHotKeyFlg2=6\r\nKey2=80\r\n"
                        "HotKeyFlg3=6\r\nKey3=71\r\nHotKeyFlg4=6\r\nKey4=66\r\n";

class HeldSettingsFile : public SettingsDialogFile {
protected:
  void SetUp() override {
    writeIni(kOld);
    load();
  }
  void pressOkWithNonOff() {
    openDialog({[&] {
      clickButton(checkBox("chkNon"));
      clickButton(button(L"OK"));
    }});
  }
  // Only the settings file is in the library's folder: no new file is left beside it.
  std::vector<std::wstring> folder() const {
    std::vector<std::wstring> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      names.push_back(entry.path().filename().wstring());
    }
    return names;
  }
};

TEST_F(HeldSettingsFile, OkWaitsForAHolderThatLetsGoWithinTheRetryWindow) {
  FileHolder holder(iniPath());
  ASSERT_TRUE(holder.holding());
  files.onPause = [&] { holder.letGo(); };
  pressOkWithNonOff();
  EXPECT_GE(files.pauses, 1) << "the first attempt found the file held";
  EXPECT_TRUE(boxes.seen.empty());
  EXPECT_EQ(iniBytes(), kNew);
  EXPECT_EQ(folder(), std::vector<std::wstring>{L"Velmora.ini"});
}

TEST_F(HeldSettingsFile, OkReportsTheFailureWhenTheHolderKeepsTheFile) {
  FileHolder holder(iniPath());
  ASSERT_TRUE(holder.holding());
  pressOkWithNonOff();
  EXPECT_EQ(messageTexts(), std::vector<std::wstring>{L"設定ファイルに書き込めませんでした。"});
  EXPECT_GE(files.pauses, 5) << "it waited before giving up";
  EXPECT_EQ(iniBytes(), kOld) << "untouched, not torn";
  EXPECT_EQ(state.options.intNon, 0) << "what the user confirmed is in force all the same";
  holder.letGo();
  EXPECT_EQ(folder(), std::vector<std::wstring>{L"Velmora.ini"});
}

TEST_F(SettingsDialogFile, AHiddenSettingsFileStaysHidden) {
  writeIni(kOld);
  ASSERT_TRUE(SetFileAttributesW(iniPath().c_str(), FILE_ATTRIBUTE_HIDDEN));
  load();
  openDialog({[&] {
    clickButton(checkBox("chkNon"));
    clickButton(button(L"OK"));
  }});
  EXPECT_TRUE(boxes.seen.empty());
  EXPECT_EQ(iniBytes(), kNew);
  const DWORD attributes = GetFileAttributesW(iniPath().c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(attributes & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
  SetFileAttributesW(iniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
} // namespace velmora::testing
