#include "failure_of.hpp"
#include "sim/ide/host_messages.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "sim/ide/memory_vbe.hpp"
#include "support/error.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::sim {
namespace {

using Lines = std::vector<std::u16string>;

// Lines 1-2 declarations, 3-7 Main (from its comment's blank line), 8-10 Total.
const Lines kModule =
    MemoryCodeModule::fromText(
        u"Option Explicit\nPrivate mlngCount As Long\n\n' about Main\n"
        u"Public Sub Main()\n    intCount = 1\nEnd Sub\n\nProperty Get Total()\nEnd Property")
        ->lineTexts();

TEST(CodeModule, LinesAndProceduresWithTheHostsErrors) {
  MemoryCodeModule module(kModule);
  EXPECT_EQ(module.lines(6, 2), u"    intCount = 1\r\nEnd Sub");
  EXPECT_EQ(failureOf<HostError>([&] { module.lines(0, 1); }), kSubscriptOutOfRange);
  EXPECT_EQ(failureOf<HostError>([&] { module.lines(1, -1); }), kInvalidCallOrArgument);
  EXPECT_EQ(failureOf<HostError>([&] { module.lines(2, INT32_MAX); }), kSubscriptOutOfRange);

  ProcKind kind = ProcKind::PropertyGet;
  EXPECT_EQ(module.procOfLine(2, kind), u"");
  EXPECT_EQ(kind, ProcKind::Procedure);
  EXPECT_EQ(module.procOfLine(8, kind), u"Total");
  EXPECT_EQ(kind, ProcKind::PropertyGet);
  EXPECT_EQ(failureOf<HostError>([&] { module.procOfLine(11, kind); }), kSubscriptOutOfRange);
  EXPECT_EQ(module.procBodyLine(u"main", ProcKind::Procedure), 5);
  EXPECT_EQ(module.procStartLine(u"Main", ProcKind::Procedure), 3);
  // A property asked for as a plain procedure.
  EXPECT_EQ(failureOf<HostError>([&] { module.procBodyLine(u"Total", ProcKind::Procedure); }),
            kProcedureNotDefined);

  module.insertLines(6, u"    Dim intCount As Integer");
  EXPECT_EQ(module.procBodyLine(u"Total", ProcKind::PropertyGet), 10);
}

TEST(CodePaneTest, EveryPaneFollowsLinesInsertedAtOrAboveItsSelection) {
  MemoryVbe vbe;
  vbe.project().components().add(
      u"basMain", ComponentType::StdModule,
      {u"Option Explicit", u"", u"Sub Main()", u"    x = 1", u"End Sub"});
  const auto pane = vbe.showPane(u"basMain");
  auto second = MemoryCodePane::open(pane->module());
  second->setCaret(4, 5);
  pane->setSelection({3, 1, 5, 8});
  pane->module()->insertLines(4, u"    Dim x As Integer\r\n");
  EXPECT_EQ(second->getSelection(), (Selection{6, 5, 6, 5}));
  EXPECT_EQ(pane->getSelection(), (Selection{3, 1, 7, 8})) << "the start stays above";
  pane->module()->addFromString(u"Private intCount As Integer");
  pane->module()->insertLines(9, u"' below");
  EXPECT_EQ(second->getSelection(), (Selection{7, 5, 7, 5}));
}

} // namespace
} // namespace velmora::sim
