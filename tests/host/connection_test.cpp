#include "connection_fixture.hpp"
#include "engine/failing_vbe.hpp"
#include "support/error.hpp"
#include "support/utf.hpp"

#include <new>

namespace velmora {
namespace {

using testing::ConnectionTest;
using testing::FailingVbe;

using testing::kCtrlShift;

TEST_F(ConnectionTest, WithoutASettingsFileEverythingTakesItsDefault) {
  connect();
  EXPECT_EQ(state.options.intNon, 1);
  EXPECT_EQ(state.options.intTenmetsu, 1);
  EXPECT_EQ(state.options.intComment, 1);
  EXPECT_EQ(state.options.intImeMode, 1);
  EXPECT_EQ(state.prefixes.PrefixCount(), 0);
  EXPECT_EQ(dir.read("Velmora.ini"),
            "[Velmora]\r\nHotKeyFlg1=6\r\nKey1=68\r\nHotKeyFlg2=6\r\nKey2=80\r\n"
            "HotKeyFlg3=6\r\nKey3=71\r\nHotKeyFlg4=6\r\nKey4=66\r\n");
  const auto bar = toolbars();
  ASSERT_EQ(bar.size(), 1U);
  EXPECT_EQ(bar[0]->buttons()[0]->currentTooltip(), u"Dim宣言(Ctrl+Shift+D)");
}

TEST_F(ConnectionTest, ABadOptionEndsTheConnectionWithItsMessage) {
  state.options = Options{7, 7, 7, 7};
  dir.write("Velmora.ini",
            "[Velmora]\r\nSettouChar1=str\r\nKata1=String\r\nNon=0\r\nTenmetsu=abc\r\n");
  connect();
  ASSERT_EQ(messageTexts(), std::vector<std::u16string>{u"型が一致しません。"});
  EXPECT_EQ(state.prefixes.PrefixCount(), 1);
  EXPECT_EQ(state.options.intNon, 0);
  EXPECT_EQ(state.options.intTenmetsu, 7);
  EXPECT_EQ(state.options.intComment, 7);
  EXPECT_TRUE(world->calls.log().empty()) << "no toolbar";
  EXPECT_FALSE(state.frmVelmora);
  expectNothingLeft();
}

// The connection's trap catches every error, the standard library's too: its box shows the
// description under the application's title, and nothing more is set up.
TEST_F(ConnectionTest, AnyErrorEndsTheConnectionWithItsDescription) {
  FailingVbe broken(std::bad_alloc{});
  connection.OnConnection(std::shared_ptr<Vbe>(&broken, [](Vbe*) {}));
  ASSERT_EQ(messageTexts(), std::vector<std::u16string>{u"メモリが不足しています。"});
  EXPECT_EQ(toolkit.messages()[0].shownTitle(), u"Velmora");
  EXPECT_EQ(toolkit.messages()[0].icon, MessageIcon::None);
  EXPECT_TRUE(toolbars().empty());
  EXPECT_EQ(desktop.hotkeys().count(), 0U);
}

// A settings file marked as UTF-8 whose type name holds overlong forms of LF and CR, which once
// read as line breaks and wrote an "End Sub" of their own: the declaration is one line.
TEST_F(ConnectionTest, ATypeNameFromTheFileStaysOnTheDeclarationsLine) {
  dir.write("Velmora.ini", "\xEF\xBB\xBF[Velmora]\r\nSettouChar1=str\r\n"
                           "Kata1=String\xC0\x8A\xC0\x8D"
                           "End Sub\r\nComment=0\r\n");
  connect();
  const std::size_t lines = module->lineTexts().size();
  memoryVbe.showPane(u"basMain")->setCaret(4, 8);
  desktop.hotkeys().press(kCtrlShift, 'D');
  ide.pump().doEvents();
  ASSERT_EQ(module->lineTexts().size(), lines + 1);
  EXPECT_EQ(module->lineTexts().at(3), u"\tDim strName As String\uFFFD\uFFFD\uFFFD\uFFFDEnd Sub");
  EXPECT_EQ(module->lineTexts().at(4), u"    strName = \"\"");
}

// Every host call of a connection, made to fail in turn: the user sees that call's error, the
// host sees success, and the disconnection that follows removes everything that was set up.
TEST_F(ConnectionTest, EachFailingHostCallOfAConnectionIsReportedAndCleanedUp) {
  connect();
  const std::size_t calls = world->calls.log().size();
  disconnect();
  ASSERT_GT(calls, 30U);
  for (std::size_t k = 1; k <= calls; ++k) {
    world->calls.clearLog();
    toolkit.clearMessages();
    world->calls.failNth(static_cast<int>(k));
    connect();
    const std::string failed = world->calls.log().at(k - 1);
    ASSERT_EQ(toolkit.messages().size(), 1U) << failed;
    const Message& message = toolkit.messages()[0];
    EXPECT_EQ(toUtf8(message.text), "メソッド '" + failed + "' は失敗しました。");
    const bool ownTrap = failed.rfind("CommandBarControl.TooltipText", 0) == 0;
    EXPECT_EQ(message.shownTitle(), ownTrap ? u"ベルモラ" : u"Velmora") << failed;
    world->calls.clearFaults();
    try {
      disconnect();
    } catch (const Error&) {
      // A connection that never made its first button fails the first step; the rest still runs.
    }
    EXPECT_TRUE(toolbars().empty()) << failed;
    expectNothingLeft();
  }
}

TEST_F(ConnectionTest, AFailingStepOfTheDisconnectionDoesNotKeepTheHotkeys) {
  for (const std::string call :
       {"CommandBarControl.Delete", "VBE.CommandBars", "CommandBars.Item", "CommandBar.Delete"}) {
    connect();
    world->calls.failAt(call);
    EXPECT_THROW(disconnect(), HostError) << call;
    expectNothingLeft();
    EXPECT_FALSE(state.frmVelmora);
    world->calls.clearFaults();
    for (const auto& bar : toolbars()) {
      bar->deleteBar(); // what the failed step left
    }
  }
}
} // namespace
} // namespace velmora
