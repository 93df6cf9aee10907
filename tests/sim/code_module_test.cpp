#include "sim/ide/host_messages.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "support/error.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::sim {
namespace {

using Lines = std::vector<std::u16string>;

std::u16string descriptionOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const HostError& error) {
    return error.description();
  }
  return u"(no error)";
}

const Lines kModule = {
    u"Option Explicit",           // 1
    u"Private mlngCount As Long", // 2
    u"",                          // 3
    u"' about Main",              // 4
    u"Public Sub Main()",         // 5
    u"    intCount = 1",          // 6
    u"End Sub",                   // 7
    u"",                          // 8
    u"Property Get Total()",      // 9
    u"End Property",              // 10
};

TEST(CodeModule, LinesAndProceduresWithTheHostsErrors) {
  MemoryCodeModule module(kModule);
  EXPECT_EQ(module.lines(6, 2), u"    intCount = 1\r\nEnd Sub");
  EXPECT_EQ(module.lines(11, 0), u"");
  EXPECT_EQ(descriptionOf([&] { module.lines(0, 1); }), kSubscriptOutOfRange);
  EXPECT_EQ(descriptionOf([&] { module.lines(1, -1); }), kInvalidCallOrArgument);
  EXPECT_EQ(descriptionOf([&] { module.lines(2, INT32_MAX); }), kSubscriptOutOfRange);

  ProcKind kind = ProcKind::PropertyGet;
  EXPECT_EQ(module.procOfLine(2, kind), u"");
  EXPECT_EQ(kind, ProcKind::Procedure);
  EXPECT_EQ(module.procOfLine(8, kind), u"Total");
  EXPECT_EQ(kind, ProcKind::PropertyGet);
  EXPECT_EQ(descriptionOf([&] { module.procOfLine(11, kind); }), kSubscriptOutOfRange);
  EXPECT_EQ(module.procBodyLine(u"main", ProcKind::Procedure), 5);
  EXPECT_EQ(module.procStartLine(u"Main", ProcKind::Procedure), 3);
  // A property asked for as a plain procedure.
  EXPECT_EQ(descriptionOf([&] { module.procBodyLine(u"Total", ProcKind::Procedure); }),
            kProcedureNotDefined);

  module.insertLines(6, u"    Dim intCount As Integer");
  EXPECT_EQ(module.procBodyLine(u"Total", ProcKind::PropertyGet), 10);
}

TEST(CodeModule, InsertedTextSplitsIntoLinesAndATrailingBreakAddsABlankLine) {
  MemoryCodeModule module({u"a", u"b"});
  module.insertLines(2, u"x\r\ny\rz\n");
  module.insertLines(7, u"end");
  EXPECT_EQ(module.lineTexts(), (Lines{u"a", u"x", u"y", u"z", u"", u"b", u"end"}));
  EXPECT_EQ(descriptionOf([&] { module.insertLines(9, u"x"); }), kSubscriptOutOfRange);
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
