#include "failure_of.hpp"
#include "sim/ide/host_messages.hpp"
#include "sim/ide/memory_code_module.hpp"
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
  EXPECT_EQ(module.lines(11, 0), u"");
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

TEST(CodeModule, InsertedTextSplitsIntoLinesAndATrailingBreakAddsABlankLine) {
  MemoryCodeModule module({u"a", u"b"});
  module.insertLines(2, u"x\r\ny\rz\n");
  module.insertLines(7, u"end");
  EXPECT_EQ(module.lineTexts(), (Lines{u"a", u"x", u"y", u"z", u"", u"b", u"end"}));
  EXPECT_EQ(failureOf<HostError>([&] { module.insertLines(9, u"x"); }), kSubscriptOutOfRange);
}

TEST(CodeModule, AddFromStringGoesAfterTheDeclarationsBeforeTheFirstProceduresComments) {
  const std::vector<std::pair<Lines, Lines>> cases = {
      {kModule,
       {u"Option Explicit", u"Private mlngCount As Long", u"Public x", u"", u"' about Main"}},
      {{u"' about Main", u"Sub Main()"}, {u"Public x", u"' about Main", u"Sub Main()"}},
      {{u"Option Explicit", u"' note", u""}, {u"Option Explicit", u"' note", u"", u"Public x"}}};
  for (const auto& [before, after] : cases) {
    MemoryCodeModule module(before);
    module.addFromString(u"Public x");
    const Lines lines = module.lineTexts();
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(after.size())),
              after);
  }
}

} // namespace
} // namespace velmora::sim
