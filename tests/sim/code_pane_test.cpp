#include "failure_of.hpp"
#include "sim/ide/host_messages.hpp"
#include "sim/ide/memory_vbe.hpp"
#include "support/error.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::sim {
namespace {

class CodePaneTest : public ::testing::Test {
protected:
  CodePaneTest() {
    vbe.project().components().add(
        u"basMain", ComponentType::StdModule,
        {u"Option Explicit", u"", u"Sub Main()", u"    strName = \"\"", u"End Sub"});
    pane = vbe.showPane(u"basMain");
  }

  MemoryVbe vbe;
  std::shared_ptr<MemoryCodePane> pane;
};

TEST_F(CodePaneTest, EveryPaneFollowsLinesInsertedAtOrAboveItsSelection) {
  auto second = MemoryCodePane::open(pane->module());
  second->setCaret(4, 5);
  pane->setSelection({3, 1, 5, 8});
  pane->module()->insertLines(4, u"    Dim strName As String\r\n");
  EXPECT_EQ(second->getSelection(), (Selection{6, 5, 6, 5}));
  EXPECT_EQ(pane->getSelection(), (Selection{3, 1, 7, 8})) << "the start stays above";
  pane->module()->addFromString(u"Private intCount As Integer");
  pane->module()->insertLines(9, u"' below");
  EXPECT_EQ(second->getSelection(), (Selection{7, 5, 7, 5}));
}

TEST_F(CodePaneTest, SelectionsAreClampedAndOrderedAndLinesOutsideRaise) {
  const std::vector<std::pair<Selection, Selection>> cases = {{{4, 0, 4, -3}, {4, 1, 4, 1}},
                                                              {{4, 99, 4, 99}, {4, 17, 4, 17}},
                                                              {{5, 2, 3, 4}, {3, 4, 5, 2}}};
  for (const auto& [asked, got] : cases) {
    pane->setSelection(asked);
    EXPECT_EQ(pane->getSelection(), got) << asked.startLine << "," << asked.startColumn;
  }
  pane->setCaret(4, 2);
  EXPECT_EQ(failureOf<HostError>([&] { pane->setSelection({1, 1, 6, 1}); }), kSubscriptOutOfRange);
  EXPECT_EQ(pane->getSelection(), (Selection{4, 2, 4, 2}));
}

TEST_F(CodePaneTest, ComponentsInOrderAndTheActivePane) {
  auto cls = vbe.project().components().add(u"clsItem", ComponentType::ClassModule);
  auto collection = vbe.activeVBProject()->vbComponents();
  ASSERT_EQ(collection->count(), 2);
  EXPECT_EQ(collection->item(2)->name(), u"clsItem");
  EXPECT_THROW(collection->item(3), HostError);
  EXPECT_THROW(vbe.project().components().add(u"BASMAIN", ComponentType::StdModule), Error);

  EXPECT_EQ(vbe.activeCodePane(), pane);
  auto clsPane = vbe.showPane(u"CLSITEM");
  EXPECT_EQ(vbe.activeCodePane(), clsPane);
  EXPECT_EQ(clsPane->codeModule(), cls->codeModule());
  EXPECT_EQ(vbe.windows().show(pane->module()), pane); // one pane per module unless asked
  vbe.windows().clearActive();
  EXPECT_EQ(vbe.activeCodePane(), nullptr);
  EXPECT_THROW(vbe.commandBars(), HostError) << "no command bars until plugged in";
}

} // namespace
} // namespace velmora::sim
