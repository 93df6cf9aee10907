#include "addin/server_module.hpp"
#include "addin/session/connection_session.hpp"
#include "common/hot_key_probe.hpp"
#include "forms/handle_cast.hpp"
#include "host/fake_dispatch.hpp"
#include "host/recording_slots.hpp"
#include "host/simulated_ide.hpp"
#include "setup/message_box_watcher.hpp"
#include "support/error.hpp"

#include <cwchar>
#include <gtest/gtest.h>

// The session behind a connect object, run in this program against the simulated IDE's
// automation objects: the adapter meets an IDE that checks the calls as the IDE does.
namespace velmora::test {
namespace {

// Whether Ctrl+Shift+D, the default Dim hotkey, is free for anyone to take.
bool dimHotKeyIsFree() {
  return testing::registrationError(testing::kCtrlShift, 'D') == 0;
}

BOOL CALLBACK countWindow(HWND window, LPARAM found) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (wcsncmp(name, L"VelmoraForm", 11) == 0) {
    ++*win32::fromInteger<int*>(found);
  }
  return TRUE;
}

// The toolkit's windows on this thread: the forms and the window owning them.
int libraryWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

class SessionOnSimulatedIde : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ASSERT_TRUE(dimHotKeyIsFree());
  }
  void TearDown() override { CoUninitialize(); }

  testing::MessageBoxWatcher boxes_;
  SettingsFileBeside settings_;
  RecordingSlots slots_;
  SimulatedIde ide_;
};

TEST_F(SessionOnSimulatedIde, BuildsTheToolbarDeclaresOnAClickAndRemovesTheToolbar) {
  {
    win32::ConnectionSession session(slots_);
    session.onConnection(ide_.vbe.get());
    ASSERT_TRUE(boxes_.seen.empty()) << boxes_.seen[0].text;

    const auto bar = ide_.toolbar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->visible);
    EXPECT_EQ(bar->position, sim::vbide::kBarTop);
    EXPECT_FALSE(bar->temporary);
    EXPECT_EQ(ide_.captions(),
              (std::vector<std::u16string>{u"Dim宣言", u"Private宣言", u"Public宣言",
                                           u"標準ﾓｼﾞｭｰﾙPublic宣言", u"設定"}));
    for (std::size_t i = 0; i < bar->controls.size(); ++i) {
      const auto& control = *bar->controls[i];
      EXPECT_EQ(control.beginGroup, i == 4) << i;
      EXPECT_NE(control.face, nullptr) << i;
      EXPECT_EQ(control.clickTargets.size(), 1U) << i;
    }
    EXPECT_EQ(bar->controls[0]->tooltipText, u"Dim宣言(Ctrl+Shift+D)");
    EXPECT_EQ(bar->controls[3]->tooltipText, u"標準ﾓｼﾞｭｰﾙ内Public宣言(Ctrl+Shift+B)");
    EXPECT_EQ(slots_.held.size(), 5U);
    EXPECT_FALSE(dimHotKeyIsFree());

    const sim::vbide::ClickOutcome outcome = ide_.click(0);
    EXPECT_EQ(outcome.sources, 1);
    EXPECT_TRUE(outcome.failures.empty());
    EXPECT_FALSE(outcome.handled);
    EXPECT_FALSE(outcome.cancelDefault);
    EXPECT_EQ(ide_.module->lineTexts(), kMainDeclared);
    EXPECT_TRUE(boxes_.seen.empty());

    session.onDisconnection();
    EXPECT_EQ(ide_.toolbar(), nullptr);
    EXPECT_TRUE(bar->deleted);
    EXPECT_TRUE(dimHotKeyIsFree());
    // The properties keep their objects until the connect object goes.
    EXPECT_EQ(slots_.held.size(), 5U);
  }
  EXPECT_EQ(libraryWindows(), 0);
  EXPECT_TRUE(win32::server::canUnload());
  // Every built-in bar is still there.
  EXPECT_EQ(ide_.world->bars->count(), 5);
}

TEST_F(SessionOnSimulatedIde, AConnectObjectReleasedWhileConnectedLeavesNothingBehind) {
  {
    win32::ConnectionSession crashed(slots_);
    crashed.onConnection(ide_.vbe.get());
    ASSERT_FALSE(dimHotKeyIsFree());
  }
  EXPECT_TRUE(dimHotKeyIsFree());
  EXPECT_EQ(libraryWindows(), 0);
  EXPECT_TRUE(win32::server::canUnload());
  // A click on a button of the gone connection reaches nothing.
  const sim::vbide::ClickOutcome late = ide_.click(0);
  EXPECT_EQ(late.sources, 0);
  EXPECT_EQ(ide_.module->lineTexts(), kMainCode);

  // The bar is the IDE's to keep: the next connection reuses it, with this run's buttons only.
  ASSERT_NE(ide_.toolbar(), nullptr);
  win32::ConnectionSession session(slots_);
  session.onConnection(ide_.vbe.get());
  EXPECT_TRUE(boxes_.seen.empty());
  int bars = 0;
  for (const auto& bar : ide_.world->bars->bars()) {
    bars += bar->nameLocal == kToolbar ? 1 : 0;
  }
  EXPECT_EQ(bars, 1);
  EXPECT_EQ(ide_.captions().size(), 5U);
  ide_.click(0);
  EXPECT_EQ(ide_.module->lineTexts(), kMainDeclared);
  session.onDisconnection();
  EXPECT_EQ(ide_.toolbar(), nullptr);
}

TEST_F(SessionOnSimulatedIde, AnObjectThatIsNoVbeIsReportedAndDisconnectionFails) {
  FakeDispatch stranger;
  for (IDispatch* vbInst : {static_cast<IDispatch*>(&stranger), static_cast<IDispatch*>(nullptr)}) {
    boxes_.seen.clear();
    win32::ConnectionSession session(slots_);
    session.onConnection(vbInst);
    ASSERT_EQ(boxes_.seen.size(), 1U);
    EXPECT_EQ(boxes_.seen[0].text, L"型が一致しません。");
    EXPECT_EQ(boxes_.seen[0].title, L"Velmora");
    try {
      session.onDisconnection();
      FAIL() << "a connection that built nothing disconnected";
    } catch (const Error& error) {
      EXPECT_EQ(error.description(),
                u"オブジェクト変数または With ブロック変数が設定されていません。");
    }
  }
  EXPECT_TRUE(slots_.held.empty());
  EXPECT_TRUE(stranger.calls.empty());
}

} // namespace
} // namespace velmora::test
