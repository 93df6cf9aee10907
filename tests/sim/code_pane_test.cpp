#include "sim/ide/host_messages.hpp"
#include "sim/ide/memory_vbe.hpp"
#include "support/error.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::sim {
namespace {

using Lines = std::vector<std::u16string>;

const Lines kMain = {
    u"Option Explicit",    // 1
    u"",                   // 2
    u"Sub Main()",         // 3
    u"    strName = \"\"", // 4
    u"End Sub",            // 5
};

class CodePaneTest : public ::testing::Test {
protected:
  CodePaneTest() {
    vbe.project().components().add(u"basMain", ComponentType::StdModule, kMain);
    pane = vbe.showPane(u"basMain");
  }

  MemoryVbe vbe;
  std::shared_ptr<MemoryCodePane> pane;
};

TEST_F(CodePaneTest, CaretMovesDownWithItsTextOnInsertAtOrAboveIt) {
  pane->setSelection({4, 5, 4, 12});
  pane->module()->insertLines(4, u"    Dim strName As String\r\n");
  EXPECT_EQ(pane->getSelection(), (Selection{6, 5, 6, 12}));
  EXPECT_EQ(pane->module()->lines(6, 1), kMain[3]);

  pane->module()->addFromString(u"Private intCount As Integer");
  EXPECT_EQ(pane->getSelection(), (Selection{7, 5, 7, 12}));
}

TEST_F(CodePaneTest, CaretStaysOnInsertBelowIt) {
  pane->setCaret(4, 5);
  pane->module()->insertLines(5, u"    intCount = 0");
  EXPECT_EQ(pane->getSelection(), (Selection{4, 5, 4, 5}));
}

TEST_F(CodePaneTest, SelectionSpanningTheInsertionKeepsItsStartAndMovesItsEnd) {
  pane->setSelection({3, 1, 5, 8});
  pane->module()->insertLines(4, u"    Dim strName As String");
  EXPECT_EQ(pane->getSelection(), (Selection{3, 1, 6, 8}));
}

TEST_F(CodePaneTest, EveryPaneOnTheModuleFollowsTheInsertion) {
  auto second = MemoryCodePane::open(pane->module());
  vbe.windows().activate(second);
  second->setCaret(5, 1);
  pane->setCaret(4, 1);
  pane->module()->insertLines(1, u"' new");
  EXPECT_EQ(second->getSelection().startLine, 6);
  EXPECT_EQ(pane->getSelection().startLine, 5);
}

TEST_F(CodePaneTest, ColumnsAreClampedToTheLineAndEndsOrdered) {
  pane->setSelection({4, 0, 4, -3});
  EXPECT_EQ(pane->getSelection(), (Selection{4, 1, 4, 1}));
  pane->setSelection({4, 99, 4, 99});
  EXPECT_EQ(pane->getSelection(), (Selection{4, 17, 4, 17}));
  pane->setSelection({2, 5, 2, 5}); // an empty line has column 1 only
  EXPECT_EQ(pane->getSelection(), (Selection{2, 1, 2, 1}));
  pane->setSelection({4, 9, 4, 5});
  EXPECT_EQ(pane->getSelection(), (Selection{4, 5, 4, 9}));
  pane->setSelection({5, 2, 3, 4});
  EXPECT_EQ(pane->getSelection(), (Selection{3, 4, 5, 2}));
}

TEST_F(CodePaneTest, LinesOutsideTheModuleRaiseAndLeaveTheSelection) {
  pane->setCaret(4, 2);
  for (const Selection& bad :
       {Selection{0, 1, 1, 1}, Selection{1, 1, 6, 1}, Selection{-1, 1, -1, 1}}) {
    try {
      pane->setSelection(bad);
      ADD_FAILURE() << "no error for line " << bad.startLine << ".." << bad.endLine;
    } catch (const HostError& error) {
      EXPECT_EQ(error.description(), kSubscriptOutOfRange);
    }
  }
  EXPECT_EQ(pane->getSelection(), (Selection{4, 2, 4, 2}));
}

TEST_F(CodePaneTest, EmptyModuleHasItsCaretOnLineOne) {
  auto empty = vbe.project().components().add(u"basEmpty", ComponentType::StdModule);
  auto emptyPane = vbe.windows().show(empty->module());
  emptyPane->setCaret(1, 3);
  EXPECT_EQ(emptyPane->getSelection(), (Selection{1, 1, 1, 1}));
  empty->module()->insertLines(1, u"Option Explicit");
  EXPECT_EQ(emptyPane->getSelection().startLine, 1);
}

TEST_F(CodePaneTest, ActivePaneCanBeSwitchedAndCleared) {
  auto cls = vbe.project().components().add(u"clsItem", ComponentType::ClassModule);
  EXPECT_EQ(vbe.activeCodePane(), pane);
  auto clsPane = vbe.showPane(u"CLSITEM");
  EXPECT_EQ(vbe.activeCodePane(), clsPane);
  EXPECT_EQ(clsPane->codeModule(), cls->codeModule());
  EXPECT_EQ(vbe.windows().show(pane->module()), pane); // one pane per module unless asked
  vbe.windows().clearActive();
  EXPECT_EQ(vbe.activeCodePane(), nullptr);
  EXPECT_EQ(vbe.windows().panes().size(), 2U);
}

TEST(MemoryVbeProject, ComponentsInOrderWithCheckedPositions) {
  MemoryVbe vbe;
  auto& components = vbe.project().components();
  components.add(u"frmOrder", ComponentType::Form);
  components.add(u"basMain", ComponentType::StdModule);
  components.add(u"Custom", 11);
  auto collection = vbe.activeVBProject()->vbComponents();
  ASSERT_EQ(collection->count(), 3);
  EXPECT_EQ(collection->item(1)->name(), u"frmOrder");
  EXPECT_EQ(collection->item(2)->type(), 1);
  EXPECT_EQ(collection->item(3)->type(), 11);
  EXPECT_THROW(collection->item(0), HostError);
  EXPECT_THROW(collection->item(4), HostError);
  EXPECT_THROW(components.add(u"BASMAIN", ComponentType::StdModule), Error);
  EXPECT_THROW(vbe.showPane(u"basNone"), Error);
}

TEST(MemoryVbeCommandBars, RaiseUntilPluggedIn) {
  MemoryVbe vbe;
  EXPECT_THROW(vbe.commandBars(), HostError);
  EXPECT_THROW(vbe.events(), HostError);
}

} // namespace
} // namespace velmora::sim
