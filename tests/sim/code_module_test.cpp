#include "sim/ide/host_messages.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "support/error.hpp"

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

TEST(CodeModuleLines, RangesAndJoining) {
  MemoryCodeModule module(kModule);
  EXPECT_EQ(module.lines(5, 1), u"Public Sub Main()");
  EXPECT_EQ(module.lines(6, 2), u"    intCount = 1\r\nEnd Sub");
  EXPECT_EQ(module.lines(10, 0), u"");
  EXPECT_EQ(module.lines(11, 0), u"");
  EXPECT_EQ(descriptionOf([&] { module.lines(0, 1); }), kSubscriptOutOfRange);
  EXPECT_EQ(descriptionOf([&] { module.lines(11, 1); }), kSubscriptOutOfRange);
  EXPECT_EQ(descriptionOf([&] { module.lines(10, 2); }), kSubscriptOutOfRange);
  EXPECT_EQ(descriptionOf([&] { module.lines(1, -1); }), kInvalidCallOrArgument);
  EXPECT_EQ(descriptionOf([&] { module.lines(2, INT32_MAX); }), kSubscriptOutOfRange);
}

TEST(CodeModuleProcedures, ProcOfLineAndProcBodyLine) {
  MemoryCodeModule module(kModule);
  ProcKind kind = ProcKind::PropertyGet;
  EXPECT_EQ(module.procOfLine(2, kind), u"");
  EXPECT_EQ(kind, ProcKind::Procedure);
  EXPECT_EQ(module.procOfLine(3, kind), u"Main");
  EXPECT_EQ(module.procOfLine(8, kind), u"Total");
  EXPECT_EQ(kind, ProcKind::PropertyGet);
  EXPECT_EQ(descriptionOf([&] { module.procOfLine(0, kind); }), kSubscriptOutOfRange);
  EXPECT_EQ(descriptionOf([&] { module.procOfLine(11, kind); }), kSubscriptOutOfRange);

  EXPECT_EQ(module.procBodyLine(u"main", ProcKind::Procedure), 5);
  EXPECT_EQ(module.procStartLine(u"Main", ProcKind::Procedure), 3);
  EXPECT_EQ(module.procBodyLine(u"Total", ProcKind::PropertyGet), 9);
  // A property asked for as a plain procedure, and names the module lacks.
  EXPECT_EQ(descriptionOf([&] { module.procBodyLine(u"Total", ProcKind::Procedure); }),
            kProcedureNotDefined);
  EXPECT_EQ(descriptionOf([&] { module.procBodyLine(u"Missing", ProcKind::Procedure); }),
            kProcedureNotDefined);
  EXPECT_EQ(descriptionOf([&] { module.procBodyLine(u"", ProcKind::Procedure); }),
            kProcedureNotDefined);
}

TEST(CodeModuleInsert, TextSplitsIntoLinesAndTrailingBreakAddsABlankLine) {
  MemoryCodeModule module({u"a", u"b"});
  module.insertLines(2, u"x\r\ny\rz\n");
  EXPECT_EQ(module.lineTexts(), (Lines{u"a", u"x", u"y", u"z", u"", u"b"}));
  module.insertLines(7, u"end");
  EXPECT_EQ(module.lineTexts().back(), u"end");
  EXPECT_EQ(descriptionOf([&] { module.insertLines(9, u"x"); }), kSubscriptOutOfRange);
  EXPECT_EQ(descriptionOf([&] { module.insertLines(0, u"x"); }), kSubscriptOutOfRange);
  EXPECT_EQ(module.countOfLines(), 7);
}

TEST(CodeModuleInsert, ProceduresAreFoundAfreshAfterAnEdit) {
  MemoryCodeModule module(kModule);
  module.insertLines(6, u"    Dim intCount As Integer");
  EXPECT_EQ(module.procBodyLine(u"Total", ProcKind::PropertyGet), 10);
  module.insertLines(1, u"Sub First()\r\nEnd Sub");
  ProcKind kind = ProcKind::Procedure;
  EXPECT_EQ(module.procOfLine(1, kind), u"First");
  EXPECT_EQ(module.countOfDeclarationLines(), 0);
}

TEST(CodeModuleAddFromString, GoesAfterTheDeclarationsBeforeTheFirstProceduresComments) {
  MemoryCodeModule module(kModule);
  EXPECT_EQ(module.countOfDeclarationLines(), 2);
  module.addFromString(u"Private strName As String");
  EXPECT_EQ(module.lines(3, 1), u"Private strName As String");
  EXPECT_EQ(module.lines(4, 2), u"\r\n' about Main");
  EXPECT_EQ(module.countOfDeclarationLines(), 3);
}

TEST(CodeModuleAddFromString, ModuleStartingWithTheFirstProceduresComment) {
  MemoryCodeModule module({u"' about Main", u"Sub Main()", u"End Sub"});
  module.addFromString(u"Public lngTotal As Long");
  EXPECT_EQ(module.lineTexts(),
            (Lines{u"Public lngTotal As Long", u"' about Main", u"Sub Main()", u"End Sub"}));
}

TEST(CodeModuleAddFromString, ModuleWithoutProceduresGetsItAtTheEnd) {
  MemoryCodeModule module({u"Option Explicit", u"' note", u""});
  module.addFromString(u"Public intCount As Integer");
  EXPECT_EQ(module.lines(4, 1), u"Public intCount As Integer");

  MemoryCodeModule empty;
  empty.addFromString(u"Public intCount As Integer");
  EXPECT_EQ(empty.lineTexts(), (Lines{u"Public intCount As Integer"}));
}

} // namespace
} // namespace velmora::sim
