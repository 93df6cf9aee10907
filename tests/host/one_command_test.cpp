#include "connection_fixture.hpp"

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// One command at a time: while a declaration waits in one of its dialogs, blinks, or the settings
// dialog is open, neither a hotkey nor a toolbar click starts anything; the dialogs are modal to
// the IDE's windows; a disconnection inside a command ends it without a trace.
namespace velmora {
namespace {

using testing::ConnectionTest;

using testing::kCtrlShift;
constexpr char kQuiet[] = "SettouChar1=str\r\nKata1=String\r\nComment=0\r\nTenmetsu=0\r\n";

class OneCommandTest : public ConnectionTest {
protected:
  // Connects with these settings, the caret on strName (line 4) or dblTax (line 5) of basMain.
  void connectWith(const std::string& settings, std::int32_t line = 4) {
    dir.write("Velmora.ini", "[Velmora]\r\n" + settings);
    connect();
    memoryVbe.showPane(u"basMain")->setCaret(line, 8);
  }
  void pressHotkey(char key) {
    desktop.hotkeys().press(kCtrlShift, key);
    ide.pump().doEvents();
  }
  // Everything the user could start: the Dim and Bas hotkeys, each of the five buttons. Nothing
  // may come of it: no form, no message, no change to the code.
  void tryEverything() {
    const std::size_t shown = toolkit.shown().size();
    const std::size_t messages = toolkit.messages().size();
    const std::u16string code = module->text();
    pressHotkey('D');
    pressHotkey('B');
    for (const auto& caption : ToolbarCaptions()) {
      EXPECT_TRUE(events->clickButton(caption));
    }
    EXPECT_EQ(toolkit.shown().size(), shown);
    EXPECT_EQ(toolkit.messages().size(), messages);
    EXPECT_EQ(module->text(), code);
  }
  std::size_t linesReading(const std::u16string& text) const {
    const auto& lines = module->lineTexts();
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), text));
  }
  bool ideEnabled() const { return desktop.windows().isEnabled(ideWindow); }

  const WindowHandle ideWindow = ide.ui().createWindow("Microsoft Visual Basic [デザイン]");
};

TEST_F(OneCommandTest, WhileTheTypeDialogIsOpenNothingElseStarts) {
  connectWith(kQuiet, 5);
  toolkit.whenShown("frmKata", [&](sim::ScriptedForm& form) {
    EXPECT_FALSE(ideEnabled());
    tryEverything();
    form.type("Combo1", u"Double");
    form.click("OKButton");
  });
  pressHotkey('D');
  EXPECT_TRUE(ideEnabled());
  EXPECT_EQ(linesReading(u"\tDim dblTax As Double"), 1U);
  EXPECT_EQ(toolkit.shown(), std::vector<std::string>{"frmKata"});
  // Once it has ended, the next command runs as usual.
  memoryVbe.showPane(u"basMain")->setCaret(5, 8);
  ASSERT_TRUE(events->clickButton(u"Dim宣言"));
  EXPECT_EQ(linesReading(u"\tDim strName As String"), 1U);
}

TEST_F(OneCommandTest, WhileTheCommentDialogIsOpenNothingElseStarts) {
  connectWith("SettouChar1=str\r\nKata1=String\r\nTenmetsu=0\r\nComment=1\r\n");
  toolkit.whenShown("frmComment", [&](sim::ScriptedForm& form) {
    EXPECT_FALSE(ideEnabled());
    tryEverything();
    form.type("txtComment", u"店名");
    form.pressEnter();
  });
  ASSERT_TRUE(events->clickButton(u"Private宣言"));
  EXPECT_EQ(linesReading(u"Private strName As String\t'店名"), 1U);
  toolkit.whenShown("frmComment", [](sim::ScriptedForm& form) { form.pressEsc(); });
  pressHotkey('D');
  EXPECT_EQ(linesReading(u"\tDim strName As String"), 1U);
  EXPECT_TRUE(ideEnabled());
}

TEST_F(OneCommandTest, WhileTheModuleDialogIsOpenNothingElseStarts) {
  connectWith(kQuiet);
  toolkit.whenShown("frmBasSelect", [&](sim::ScriptedForm& form) {
    EXPECT_FALSE(ideEnabled());
    tryEverything();
    form.pick("List1", 1);
    form.click("OKButton");
  });
  pressHotkey('B');
  EXPECT_EQ(linesReading(u"Public strName As String"), 1U);
  EXPECT_EQ(toolkit.shown(), std::vector<std::string>{"frmBasSelect"});
  EXPECT_TRUE(ideEnabled());
  toolkit.whenShown("frmBasSelect", [](sim::ScriptedForm& form) { form.pressEsc(); });
  ASSERT_TRUE(events->clickButton(u"標準ﾓｼﾞｭｰﾙPublic宣言"));
  EXPECT_EQ(toolkit.shown().size(), 2U);
}

// The settings button while the dialog is open changes nothing in it: the user's unsaved edit
// stays. A message box over the dialog disables the dialog too, and gives back only that.
TEST_F(OneCommandTest, WhileTheSettingsDialogIsOpenNothingElseStartsAndItsEditsStay) {
  connectWith(kQuiet);
  const WindowHandle disabledWindow = ide.ui().createWindow("disabled already");
  desktop.windows().setEnabled(disabledWindow, false);
  toolkit.whenShown("frmVelmora", [&](sim::ScriptedForm& form) {
    EXPECT_FALSE(ideEnabled());
    form.click("chkHot1", 0);
    tryEverything();
    EXPECT_EQ(form.checkBox("chkHot1", 0).value(), 1);
    toolkit.onMessage([&](const Message&) {
      EXPECT_FALSE(desktop.windows().isEnabled(form.handle()));
      tryEverything();
      return MessageResult::Ok;
    });
    form.click("cmbAdd"); // no prefix: a message box
    toolkit.onMessage(nullptr);
    EXPECT_TRUE(desktop.windows().isEnabled(form.handle()));
    EXPECT_FALSE(ideEnabled());
    form.click("cmbCancel");
  });
  ASSERT_TRUE(events->clickButton(u"設定"));
  EXPECT_TRUE(ideEnabled());
  EXPECT_FALSE(desktop.windows().isEnabled(disabledWindow));
  EXPECT_EQ(linesReading(u"\tDim strName As String"), 0U);
  pressHotkey('D');
  EXPECT_EQ(linesReading(u"\tDim strName As String"), 1U);
}

TEST_F(OneCommandTest, TheBlinkDispatchesMessagesButStartsNoSecondCommand) {
  connectWith("SettouChar1=str\r\nKata1=String\r\nComment=0\r\nTenmetsu=1\r\n");
  // A click that arrives while the first command blinks, from a timer of the IDE's thread.
  int clicks = 0;
  int timer = 0;
  timer = ide.ui().startTimer(150, [&] {
    ide.ui().stopTimer(timer);
    ++clicks;
    events->clickButton(u"Private宣言");
  });
  // Two presses in quick succession: the second is dispatched by the first one's blink.
  desktop.hotkeys().press(kCtrlShift, 'D');
  desktop.hotkeys().press(kCtrlShift, 'D');
  ide.pump().doEvents();
  EXPECT_EQ(clicks, 1) << "the click came while the blink was on";
  EXPECT_EQ(linesReading(u"\tDim strName As String"), 1U);
  EXPECT_EQ(linesReading(u"Private strName As String"), 0U);
  EXPECT_TRUE(toolkit.messages().empty());
  pressHotkey('D');
  EXPECT_EQ(linesReading(u"\tDim strName As String"), 2U);
}

// The host disconnects the add-in from inside each dialog (as at a shut-down): the dialog ends,
// the command writes nothing and shows nothing, and nothing of the add-in is left.
TEST_F(OneCommandTest, ADisconnectionInsideADialogEndsTheCommandWithoutATrace) {
  const std::vector<std::tuple<std::string, std::string, std::int32_t, std::u16string>> cases = {
      {"frmKata", kQuiet, 5, u"Dim宣言"},
      {"frmComment", "SettouChar1=str\r\nKata1=String\r\nComment=1\r\n", 4, u"Dim宣言"},
      {"frmBasSelect", kQuiet, 4, u"標準ﾓｼﾞｭｰﾙPublic宣言"},
      {"frmVelmora", kQuiet, 4, u"設定"},
  };
  const std::u16string code = module->text();
  for (const auto& [name, settings, line, button] : cases) {
    SCOPED_TRACE(name);
    connectWith(settings, line);
    toolkit.whenShown(name, [&](sim::ScriptedForm& form) {
      connection.OnDisconnection();
      EXPECT_TRUE(form.unloaded());
    });
    ASSERT_TRUE(events->clickButton(button));
    EXPECT_EQ(module->text(), code);
    EXPECT_TRUE(toolkit.messages().empty());
    EXPECT_TRUE(toolbars().empty());
    EXPECT_FALSE(state.frmVelmora);
    EXPECT_FALSE(state.commands.running());
    EXPECT_TRUE(ideEnabled());
    expectNothingLeft();
  }
}

TEST_F(OneCommandTest, ADisconnectionInsideTheVariantQuestionWritesNothing) {
  connectWith("Non=0\r\nComment=0\r\nTenmetsu=0\r\n");
  const std::u16string code = module->text();
  toolkit.onMessage([&](const Message&) {
    connection.OnDisconnection();
    return MessageResult::Yes;
  });
  pressHotkey('D');
  ASSERT_EQ(toolkit.messages().size(), 1U);
  EXPECT_EQ(module->text(), code);
  expectNothingLeft();
}

// The host disconnects while one of the settings dialog's own message boxes is open: the
// procedure that showed the box ends there, with no second box, no error, and no hotkey or atom
// taken again for the window that is gone.
TEST_F(OneCommandTest, ADisconnectionInsideTheSettingsDialogsMessagesEndsItsProcedure) {
  const std::vector<std::pair<std::string, std::function<void(sim::ScriptedForm&)>>> cases = {
      {"Add without a prefix", [](sim::ScriptedForm& form) { form.click("cmbAdd"); }},
      {"OK with a key held elsewhere",
       [&](sim::ScriptedForm& form) {
         form.pick("cboKey", 48, 1); // Q
         form.click("cmbOk");
       }},
  };
  ASSERT_TRUE(other.hotkeys().registerHotKey(otherWindow, 1, kCtrlShift, 'Q'));
  for (const auto& [what, act] : cases) {
    connectWith(kQuiet);
    toolkit.clearMessages();
    toolkit.onMessage([&](const Message&) {
      connection.OnDisconnection();
      return MessageResult::Ok;
    });
    toolkit.whenShown("frmVelmora", act);
    ASSERT_TRUE(events->clickButton(u"設定")) << what;
    toolkit.onMessage(nullptr);
    EXPECT_EQ(toolkit.messages().size(), 1U) << what;
    EXPECT_FALSE(state.frmVelmora) << what;
    EXPECT_FALSE(state.commands.running()) << what;
    EXPECT_TRUE(ideEnabled()) << what;
    EXPECT_EQ(desktop.atoms().size(), 0U) << what;
    EXPECT_EQ(desktop.hotkeys().count(), 1U) << what << ": only the other program's";
    EXPECT_TRUE(desktop.windows().hooksLeft().empty()) << what;
  }
}

} // namespace
} // namespace velmora
