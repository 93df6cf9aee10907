#include "common/program_folder.hpp"
#include "settings_dialog_fixture.hpp"

// OK writing Velmora.ini on the real file system: while another program holds it open, when it
// is hidden. The file is replaced whole or not at all.
namespace velmora::testing {
namespace {

using SettingsDialogFile = SettingsDialogTest;

std::string settingsWithNon(char non) {
  return std::string("[Velmora]\r\nNon=") + non +
         "\r\nTenmetsu=1\r\nComment=1\r\nImeMode=1\r\nHotKeyFlg1=6\r\nKey1=68\r\n"
         "HotKeyFlg2=6\r\nKey2=80\r\nHotKeyFlg3=6\r\nKey3=71\r\nHotKeyFlg4=6\r\nKey4=66\r\n";
}
const std::string kOld = settingsWithNon('1');
const std::string kNew = settingsWithNon('0'); // what OK writes after the user turned "Non" off

// Velmora.ini held open by another program, as a scanner or an indexer holds it: for reading,
// sharing reading and writing but not deletion. The file is opened here and handed to
// file-holder.exe; once this handle is closed only that process holds it, until it is ended.
class HeldSettingsFile : public SettingsDialogFile {
protected:
  void SetUp() override {
    dir.write(L"Velmora.ini", kOld);
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE file = CreateFileW(iniPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              &inherited, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    std::wstring line = L"\"" + besideThisProgram(L"file-holder.exe") + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const BOOL started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &holder);
    CloseHandle(file);
    ASSERT_TRUE(started);
    load();
  }
  void TearDown() override { letGo(); }
  void letGo() {
    if (holder.hProcess != nullptr) {
      TerminateProcess(holder.hProcess, 0);
      WaitForSingleObject(holder.hProcess, INFINITE);
      CloseHandle(holder.hProcess);
      CloseHandle(holder.hThread);
      holder = {};
    }
  }

  PROCESS_INFORMATION holder{};
};

void pressOkWithNonOff(SettingsDialogTest& test) {
  test.openDialog({[&] {
    clickButton(test.checkBox("chkNon"));
    clickButton(test.button(L"OK"));
  }});
}

TEST_F(HeldSettingsFile, OkWaitsForAHolderThatLetsGoWithinTheRetryWindow) {
  files.onPause = [&] { letGo(); };
  pressOkWithNonOff(*this);
  EXPECT_GE(files.pauses, 1) << "the first attempt found the file held";
  EXPECT_TRUE(boxes.seen.empty());
  EXPECT_EQ(iniBytes(), kNew);
  EXPECT_EQ(dir.names(), std::vector<std::wstring>{L"Velmora.ini"}) << "nothing left beside it";
}

TEST_F(HeldSettingsFile, OkReportsTheFailureWhenTheHolderKeepsTheFile) {
  pressOkWithNonOff(*this);
  EXPECT_EQ(messageTexts(), std::vector<std::wstring>{L"設定ファイルに書き込めませんでした。"});
  EXPECT_GE(files.pauses, 5) << "it waited before giving up";
  EXPECT_EQ(iniBytes(), kOld) << "untouched, not torn";
  EXPECT_EQ(state.options.intNon, 0) << "what the user confirmed is in force all the same";
  letGo();
  EXPECT_EQ(dir.names(), std::vector<std::wstring>{L"Velmora.ini"}) << "nothing left beside it";
}

TEST_F(SettingsDialogFile, AHiddenSettingsFileStaysHidden) {
  dir.write(L"Velmora.ini", kOld);
  ASSERT_TRUE(SetFileAttributesW(iniPath().c_str(), FILE_ATTRIBUTE_HIDDEN));
  load();
  pressOkWithNonOff(*this);
  EXPECT_TRUE(boxes.seen.empty());
  EXPECT_EQ(iniBytes(), kNew);
  EXPECT_NE(GetFileAttributesW(iniPath().c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(dir.names(), std::vector<std::wstring>{L"Velmora.ini"}) << "nothing left beside it";
}

} // namespace
} // namespace velmora::testing
