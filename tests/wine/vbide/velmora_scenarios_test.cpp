#include "common/add_in_list_file.hpp"
#include "common/program_folder.hpp"
#include "common/program_run.hpp"
#include "common/temp_directory.hpp"

#include <gtest/gtest.h>
#include <optional>

// Velmora.dll in the simulated IDE, end to end: registered with regsvr32, entered into the IDE's
// add-in list in the Windows folder, loaded by vbide-sim.exe at start-up, and used on the
// example project through its hotkeys, its toolbar and its type dialog.
namespace velmora::test {
namespace {

using testing::ProgramRun;
using testing::runCommand;

const std::string kSources = std::string("Z:") + VELMORA_SOURCE_DIR;

std::optional<std::string> readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return in ? std::optional(std::string(std::istreambuf_iterator<char>(in), {})) : std::nullopt;
}

// A copy of Velmora.dll with the example settings beside it, registered, and the add-in list of
// the Windows folder asking for it at start-up; both are taken back afterwards.
class VelmoraScenarios : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    folder_ = new testing::TempDirectory();
    dll_ = (folder_->path() / L"Velmora.dll").wstring();
    ASSERT_TRUE(CopyFileW(testing::besideThisProgram(L"Velmora.dll").c_str(), dll_.c_str(), FALSE));
    const auto settings = readFile(kSources + "/examples/Velmora.ini");
    ASSERT_TRUE(settings.has_value());
    settings_ = *settings;
    const ProgramRun registered = runCommand(L"regsvr32 /s \"" + dll_ + L"\"", 30000);
    ASSERT_EQ(registered.exitCode, 0u) << registered.output;
    list_ = new testing::AddInListFile();
    list_->write("[Add-Ins32]\r\nVelmora.VelmoraClass=3\r\n");
  }

  static void TearDownTestSuite() {
    delete list_;
    runCommand(L"regsvr32 /s /u \"" + dll_ + L"\"", 30000);
    delete folder_;
    folder_ = nullptr;
  }

  // Each scenario starts from the example settings: the settings dialog's OK rewrites them.
  void SetUp() override { folder_->write(L"Velmora.ini", settings_); }

  // Plays `steps` on the example project with the add-in list of the Windows folder.
  ProgramRun play(const std::string& steps) {
    const std::wstring scenario = scenarioFolder_.write(
        L"scenario.txt", "open " + kSources + "/examples/zakkaten/Zakkaten.vbp\n" + steps);
    return runCommand(L"\"" + testing::besideThisProgram(L"vbide-sim.exe") +
                          L"\" --timeout 8000 --scenario \"" + scenario + L"\"",
                      90000);
  }

  static void expectPassed(const ProgramRun& run) {
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_NE(run.output.find("Velmora.VelmoraClass: OnConnection(ext_cm_Startup) -> 0x00000000"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("OnDisconnection(ext_dm_HostShutdown) -> 0x00000000"),
              std::string::npos)
        << run.output;
    // Nothing of the add-in outlives the IDE in the system's global atom table.
    for (const char* atom : {"VBSHOYKEY1", "VBSHOYKEY2", "VBSHOYKEY3", "VBSHOYKEY4"}) {
      EXPECT_EQ(GlobalFindAtomA(atom), 0) << atom;
    }
  }

  static inline testing::TempDirectory* folder_ = nullptr;
  static inline std::string settings_;
  static inline std::wstring dll_;
  static inline testing::AddInListFile* list_ = nullptr;
  testing::TempDirectory scenarioFolder_;
};

// Dim by button and by hotkey across a reconnection; Public goes to module level, and a
// cancelled Bas declaration writes nothing.
TEST_F(VelmoraScenarios, DeclaresByButtonAndHotkeyAcrossAReconnectionAndACancelWritesNothing) {
  expectPassed(play("expect-toolbar ベルモラ 5\n"
                    "caret basMain \"lngLast\"\n"
                    "click \"Dim宣言\"\n"
                    "expect-line basMain 45 \"\\tDim lngLast As Long\"\n"
                    "disconnect\n"
                    "connect\n"
                    "expect-toolbar ベルモラ 5\n"
                    "caret basMain \"strName\"\n"
                    "key Ctrl+Shift+D\n"
                    "expect-line basMain 19 \"\\tDim strName As String\"\n"
                    "caret frmOrder \"intQty\"\n"
                    "click \"Public宣言\"\n"
                    "expect-line frmOrder 2 \"Public intQty As Integer\"\n"
                    "caret frmOrder \"curTotal\"\n"
                    "click \"標準ﾓｼﾞｭｰﾙPublic宣言\"\n"
                    "wait-window \"標準ﾓｼﾞｭｰﾙ選択\"\n"
                    "esc\n"
                    "expect-line basMain 16 \"\"\n"));
}

// The settings dialog's OK puts a new row and a new hotkey in force, and the tooltip follows.
TEST_F(VelmoraScenarios, TheSettingsDialogEditsTheTableAndAHotkeyAndTheTooltipFollows) {
  expectPassed(play("click \"設定\"\n"
                    "wait-window \"ベルモラの設定\"\n"
                    "type Edit:1 \"dbl\"\n"
                    "type Edit:2 \"double\"\n"
                    "press-button \"追加 >>\"\n"
                    "press-button \"Alt\"\n"
                    "press-button \"OK\"\n"
                    "expect-tooltip \"Dim宣言\" \"Dim宣言(Alt+Ctrl+Shift+D)\"\n"
                    "wait-hotkey Alt+Ctrl+Shift+D\n"
                    "caret basTax \"dblTax\"\n"
                    "key Alt+Ctrl+Shift+D\n"
                    "expect-line basTax 12 \"\\tDim dblTax As Double\"\n"));
}

// Each of the four dialogs is modal to the IDE: while it is open the IDE's main window is
// disabled, a real click on a toolbar button or into the code window and typing there do nothing,
// and the Dim and Bas hotkeys open no second dialog; once it is closed the IDE is enabled and
// active, and the module holds exactly the declaration the dialog's answer asked for. Typing
// reaches the code window when no dialog is open.
TEST_F(VelmoraScenarios, EachDialogIsModalToTheIdeAndNoSecondCommandStarts) {
  const std::string tryEverything = "expect-disabled\n"
                                    "mouse-click \"Dim宣言\"\n"
                                    "mouse-click \"標準ﾓｼﾞｭｰﾙPublic宣言\"\n"
                                    "mouse-click \"設定\"\n"
                                    "mouse-click code\n"
                                    "type-keys \"x\"\n"
                                    "key Ctrl+Shift+D\n"
                                    "key Ctrl+Shift+B\n"
                                    "expect-dialogs 1\n";
  const std::string closed = "expect-enabled\n"
                             "expect-active\n";
  expectPassed(play("caret basTax \"dblTax\"\n"
                    "key Ctrl+Shift+D\n"
                    "wait-window \"変数型選択\"\n" +
                    tryEverything +
                    "type ComboBox:1 \"Double\"\n"
                    "press-button \"OK\"\n" +
                    closed +
                    "expect-line basTax 12 \"\\tDim dblTax As Double\"\n"
                    "expect-line basTax 13 \"    dblTax = lngAmount * TAX_RATE\"\n"
                    "click \"設定\"\n"
                    "wait-window \"ベルモラの設定\"\n" +
                    tryEverything +
                    "press-button \"ｺﾒﾝﾄを問い合わせる\"\n"
                    "press-button \"OK\"\n" +
                    closed +
                    "caret basMain \"strName\"\n"
                    "key Ctrl+Shift+D\n"
                    "wait-window \"ベルモラ－ｺﾒﾝﾄ問い合わせ\"\n" +
                    tryEverything +
                    "type 1 \"店名\"\n"
                    "press-button \"OK\"\n" +
                    closed +
                    "expect-line basMain 19 \"\\tDim strName As String\\t'店名\"\n"
                    "expect-line basMain 20 \"    mlngStarted = GetTickCount()\"\n"
                    "caret frmOrder \"curTotal\"\n"
                    "key Ctrl+Shift+B\n"
                    "wait-window \"標準ﾓｼﾞｭｰﾙ選択\"\n" +
                    tryEverything +
                    "type ListBox:1 \"basTax\"\n"
                    "press-button \"OK\"\n"
                    "wait-window \"ベルモラ－ｺﾒﾝﾄ問い合わせ\"\n"
                    "esc\n" +
                    closed +
                    "expect-line basTax 9 \"Public curTotal As Currency\"\n"
                    "expect-line basTax 10 \"\"\n"
                    // With no dialog open, the same clicks and typing reach the IDE.
                    "caret basTax 3 1\n"
                    "mouse-click code\n"
                    "type-keys \"' \"\n"
                    "expect-line basTax 3 \"' Public Const TAX_RATE As Double = 0.1\"\n"
                    "caret clsItem \"strText\"\n"
                    "mouse-click \"Private宣言\"\n"
                    "wait-window \"ベルモラ－ｺﾒﾝﾄ問い合わせ\"\n"
                    "esc\n"
                    "expect-line clsItem 6 \"Private strText As String\"\n"));
}

// Windows ends the session while the type dialog is open: the IDE disconnects the add-in from
// inside the dialog's message loop and releases it. The dialog ends as a cancel, nothing is
// written, and the add-in leaves no toolbar, hotkey, atom or reference to the IDE's objects.
TEST_F(VelmoraScenarios, TheSessionEndingWhileTheTypeDialogIsOpenLeavesNothing) {
  expectPassed(play("caret basTax \"dblTax\"\n"
                    "key Ctrl+Shift+D\n"
                    "wait-window \"変数型選択\"\n"
                    "type ComboBox:1 \"Double\"\n"
                    "end-session\n"
                    "expect-dialogs 0\n"
                    "expect-enabled\n"
                    "expect-active\n"
                    "expect-line basTax 12 \"    dblTax = lngAmount * TAX_RATE\"\n"
                    "expect-no-toolbar ベルモラ\n"
                    "expect-hotkey-free Ctrl+Shift+D\n"
                    "expect-released\n"));
}

// What OK put in force stays in force although Velmora.ini could not take it: after the IDE lost
// and took back the activation, the new hotkey works and its tooltip still shows it.
TEST_F(VelmoraScenarios, AfterAnOkTheFileRefusedTheNewHotkeyOutlivesAReactivation) {
  const std::wstring ini = (folder_->path() / L"Velmora.ini").wstring();
  ASSERT_TRUE(SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY));
  const ProgramRun run = play("click \"設定\"\n"
                              "wait-window \"ベルモラの設定\"\n"
                              "press-button \"Alt\"\n"
                              "press-button \"OK\"\n"
                              "answer-message \"OK\" \"設定ファイルに書き込めませんでした。\"\n"
                              "expect-tooltip \"Dim宣言\" \"Dim宣言(Alt+Ctrl+Shift+D)\"\n"
                              "deactivate\n"
                              "activate\n"
                              "wait-hotkey Alt+Ctrl+Shift+D\n"
                              "expect-tooltip \"Dim宣言\" \"Dim宣言(Alt+Ctrl+Shift+D)\"\n"
                              "caret basMain \"strName\"\n"
                              "key Alt+Ctrl+Shift+D\n"
                              "expect-line basMain 19 \"\\tDim strName As String\"\n");
  SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
  expectPassed(run);
  EXPECT_EQ(readFile(ini), settings_) << "the file is as it was";
}

} // namespace
} // namespace velmora::test
