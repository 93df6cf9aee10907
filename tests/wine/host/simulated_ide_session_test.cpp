#include "addin/session/connection_session.hpp"
#include "host/recording_slots.hpp"
#include "host/simulated_ide.hpp"
#include "setup/message_box_watcher.hpp"

#include <gtest/gtest.h>

// The session against the simulated IDE's automation objects: the adapter meets an IDE that
// checks the calls as the IDE does.
namespace velmora::test {
namespace {

class SessionOnSimulatedIde : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  }
  void TearDown() override { CoUninitialize(); }

  testing::MessageBoxWatcher boxes_;
  SettingsFileBeside settings_;
  RecordingSlots slots_;
};

TEST_F(SessionOnSimulatedIde, BuildsTheToolbarDeclaresOnAClickAndRemovesTheToolbar) {
  SimulatedIde ide;
  {
    win32::ConnectionSession session(slots_);
    session.onConnection(ide.vbe.get());
    ASSERT_TRUE(boxes_.seen.empty()) << boxes_.seen[0].text;

    const auto bar = ide.toolbar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->visible);
    EXPECT_EQ(bar->position, sim::vbide::kBarTop);
    EXPECT_FALSE(bar->temporary);
    EXPECT_EQ(ide.captions(),
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

    const sim::vbide::ClickOutcome outcome = ide.click(0);
    EXPECT_EQ(outcome.sources, 1);
    EXPECT_TRUE(outcome.failures.empty());
    EXPECT_FALSE(outcome.handled);
    EXPECT_FALSE(outcome.cancelDefault);
    EXPECT_EQ(ide.module->lineTexts(), kMainDeclared);
    EXPECT_TRUE(boxes_.seen.empty());

    session.onDisconnection();
    EXPECT_EQ(ide.toolbar(), nullptr);
    EXPECT_TRUE(bar->deleted);
  }
  // Every built-in bar is still there.
  EXPECT_EQ(ide.world->bars->count(), 5);
}

TEST_F(SessionOnSimulatedIde, ReusesABarLeftOverFromARunThatNeverDisconnected) {
  SimulatedIde ide;
  {
    win32::ConnectionSession crashed(slots_);
    crashed.onConnection(ide.vbe.get());
  }
  ASSERT_NE(ide.toolbar(), nullptr);
  win32::ConnectionSession session(slots_);
  session.onConnection(ide.vbe.get());
  EXPECT_TRUE(boxes_.seen.empty());
  // One bar of that name, holding this run's five buttons only.
  int bars = 0;
  for (const auto& bar : ide.world->bars->bars()) {
    bars += bar->nameLocal == kToolbar ? 1 : 0;
  }
  EXPECT_EQ(bars, 1);
  EXPECT_EQ(ide.captions().size(), 5U);
  ide.click(0);
  EXPECT_EQ(ide.module->lineTexts(), kMainDeclared);
  session.onDisconnection();
  EXPECT_EQ(ide.toolbar(), nullptr);
}

} // namespace
} // namespace velmora::test
