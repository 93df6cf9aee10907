#include "vbide_program.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

// vbide-sim.exe playing scenarios, with the probe add-in loaded from the add-in list: its
// toolbar clicked, its message box answered, its dialog typed into, its hotkey pressed while
// the IDE is active and while it is not. Each run is bounded; none waits on time.
namespace velmora::test {
namespace {

std::string narrow(const std::wstring& text) {
  std::string bytes(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1,
                                                                 nullptr, 0, nullptr, nullptr)),
                    '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), static_cast<int>(bytes.size()),
                      nullptr, nullptr);
  bytes.pop_back();
  return bytes;
}

class ScenarioRuns : public ::testing::Test {
protected:
  // Plays `steps` on the example project with the probe add-in loaded at start-up.
  ProgramRun play(const std::string& steps, const std::wstring& options = L"--timeout 5000") {
    std::string project = narrow(exampleProject());
    std::replace(project.begin(), project.end(), '\\', '/');
    return runScenario(folder_, "open " + project + "\n" + steps, "VbideSim.ProbeAddin=1\r\n",
                       options);
  }

  static void expectPassed(const ProgramRun& run) {
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_NE(run.output.find("scenario passed"), std::string::npos) << run.output;
  }

  testing::TempDirectory folder_;
  ProbeRegistration probe_;
};

TEST_F(ScenarioRuns, CodeStepsThenTheFirstFailingStepWithItsLineEndsTheRun) {
  const ProgramRun run = runScenario(folder_,
                                     "# no add-in\n"
                                     "caret basMain \"strName\"\n"
                                     "dump basTax\n"
                                     "expect-line basMain 20 \"    strName = APP_TITLE\"\n"
                                     "expect-line basMain 20 \"\\tnope\"\n"
                                     "dump basMain\n",
                                     "", L"\"" + exampleProject() + L"\"");
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 1u) << run.output;
  EXPECT_NE(run.output.find("caret basMain 20 6"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("  12      dblTax = lngAmount * TAX_RATE"), std::string::npos);
  EXPECT_NE(run.output.find(":5: expect-line basMain 20 \"\\tnope\": failed: line 20 of basMain "
                            "is \"    strName = APP_TITLE\", not \"\\tnope\""),
            std::string::npos)
      << run.output;
  EXPECT_EQ(run.output.find("--- basMain"), std::string::npos) << "a step after the failure ran";
}

TEST_F(ScenarioRuns, AddinsLoadFromTheListConnectAgainAndDisconnectAtTheEnd) {
  const ProgramRun run = runScenario(folder_,
                                     "expect-toolbar Probe 3\n"
                                     "disconnect\n"
                                     "connect\n"
                                     "expect-toolbar Probe 3\n",
                                     "VbideSim.ProbeAddin=1\r\nNot.Registered=3\r\n"
                                     "VbideSim.Off=0\r\n");
  expectPassed(run);
  for (const char* logged : {
           "VbideSim.ProbeAddin: QueryInterface(IDTExtensibility) -> 0x00000000",
           "VbideSim.ProbeAddin: OnConnection(ext_cm_Startup) -> 0x00000000",
           "VbideSim.ProbeAddin: OnStartupComplete -> 0x00000000",
           "Not.Registered: CLSIDFromProgID -> 0x800401F3",
           "VbideSim.Off=0: not loaded at start-up",
           "VbideSim.ProbeAddin: OnDisconnection(ext_dm_UserClosed) -> 0x00000000",
           "VbideSim.ProbeAddin: OnConnection(ext_cm_AfterStartup) -> 0x00000000",
           "VbideSim.ProbeAddin: OnDisconnection(ext_dm_HostShutdown) -> 0x00000000",
           "CoFreeUnusedLibraries",
       }) {
    EXPECT_NE(run.output.find(logged), std::string::npos) << logged << "\n" << run.output;
  }
}

// The second click presses the button in the IDE's window, as the user does.
TEST_F(ScenarioRuns, MessageBoxesOfAClickAreAnsweredFromOutside) {
  expectPassed(play("caret basMain 1 1\n"
                    "click \"確認\"\n"
                    "answer-message \"はい\" \"続けますか\"\n"
                    "expect-line basMain 1 \"' はい\"\n"
                    "wait-window \"Zakkaten - Microsoft Visual Basic [デザイン]\"\n"
                    "press-button \"確認\"\n"
                    "answer-message \"No\"\n"
                    "expect-line basMain 1 \"' いいえ\"\n"));
}

TEST_F(ScenarioRuns, DialogsAreTypedIntoAndClosedByButtonKeysAndCloseBox) {
  expectPassed(play("caret basMain 1 1\n"
                    "click \"入力\"\n"
                    "wait-window \"入力\"\n"
                    "type 1 \"こんにちは\"\n"
                    "press-button \"OK\"\n"
                    "expect-line basMain 1 \"' こんにちは\"\n"
                    "click \"入力\"\n"
                    "wait-window \"入力\"\n"
                    "type Edit:1 \"x\"\n"
                    "enter\n"
                    "expect-line basMain 1 \"' x\"\n"
                    "click \"入力\"\n"
                    "wait-window \"入力\"\n"
                    "esc\n"
                    "click \"入力\"\n"
                    "wait-window \"入力\"\n"
                    "close\n"
                    "expect-line basMain 1 \"' cancelled\"\n"
                    "expect-line basMain 2 \"' cancelled\"\n"
                    "expect-line basMain 3 \"' x\"\n"));
}

TEST_F(ScenarioRuns, HotkeysWorkWhileTheIdeIsActiveOnly) {
  expectPassed(play("caret basMain 1 1\n"
                    "key Ctrl+Shift+F11\n"
                    "expect-line basMain 1 \"' hotkey\"\n"
                    "deactivate\n"
                    "key Ctrl+Shift+F11\n"
                    "expect-line basMain 2 \"Option Explicit\"\n"
                    "activate\n"
                    "wait-hotkey Ctrl+Shift+F11\n"
                    "key Ctrl+Shift+F11\n"
                    "expect-line basMain 2 \"' hotkey\"\n"));
}

TEST_F(ScenarioRuns, AFailingClickHandlerFailsTheStep) {
  const ProgramRun run = play("caret basMain 1 1\nclick \"失敗\"\ndump basMain\n");
  EXPECT_EQ(run.exitCode, 1u) << run.output;
  EXPECT_NE(run.output.find(":3: click \"失敗\": failed: the click's event handler failed: "
                            "わざと失敗しました"),
            std::string::npos)
      << run.output;
}

TEST_F(ScenarioRuns, AFailureWhileADialogIsOpenStillEndsTheProgram) {
  // The failing step cannot reach the IDE (the add-in waits in its dialog); the runner closes
  // the dialog and the IDE quits as usual.
  const ProgramRun run = play("caret basMain 1 1\n"
                              "click \"入力\"\n"
                              "wait-window \"入力\"\n"
                              "expect-line basMain 1 \"never\"\n",
                              L"--timeout 1500");
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 1u) << run.output;
  EXPECT_NE(run.output.find("did not get to the step"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("closing \"入力\" to quit"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("OnDisconnection(ext_dm_HostShutdown) -> 0x00000000"),
            std::string::npos)
      << run.output;
}

} // namespace
} // namespace velmora::test
