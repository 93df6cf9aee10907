#include "sim/ide/memory_code_module.hpp"
#include "sim/ide/procedure_map.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::sim {
namespace {

using Lines = std::vector<std::u16string>;

struct Found {
  std::u16string name;
  ProcKind kind;
  std::int32_t bodyLine;
  friend bool operator==(const Found&, const Found&) = default;
};

Lines linesOf(std::u16string_view text) {
  return MemoryCodeModule::fromText(text)->lineTexts();
}

std::vector<Found> found(const Lines& lines) {
  std::vector<Found> result;
  const ProcedureMap map = ProcedureMap::scan(lines);
  for (const Procedure& p : map.procedures()) {
    result.push_back({p.name, p.kind, p.bodyLine});
  }
  return result;
}

TEST(ProcedureDetection, HeadersWithEveryModifierCombinationAndKind) {
  const Lines lines = linesOf(u"Sub A()\nEnd Sub\n"
                              u"Public Static Function B$(x)\nEnd Function\n"
                              u"Private Sub C()\nEnd Sub\n"
                              u"Friend Function D() As Long\nEnd Function\n"
                              u"Static Sub E()\nEnd Sub\n"
                              u"Public Property Get F() As Long\nEnd Property\n"
                              u"Public Property Let F(v As Long)\nEnd Property\n"
                              u"Property Set G(o As Object)\nEnd Property\n"
                              u"private   sub   h ( )\nend   sub\n"
                              u"Public Sub [Select]()\nEnd Sub");
  EXPECT_EQ(found(lines), (std::vector<Found>{{u"A", ProcKind::Procedure, 1},
                                              {u"B", ProcKind::Procedure, 3},
                                              {u"C", ProcKind::Procedure, 5},
                                              {u"D", ProcKind::Procedure, 7},
                                              {u"E", ProcKind::Procedure, 9},
                                              {u"F", ProcKind::PropertyGet, 11},
                                              {u"F", ProcKind::PropertyLet, 13},
                                              {u"G", ProcKind::PropertySet, 15},
                                              {u"h", ProcKind::Procedure, 17},
                                              {u"Select", ProcKind::Procedure, 19}}));
}

TEST(ProcedureDetection, NotFooledByLookalikes) {
  const Lines lines =
      linesOf(u"Private Declare Function GetTickCount Lib \"kernel32\" () As Long\n"
              u"Public Declare Sub Sleep Lib \"kernel32\" _\n    (ByVal ms As Long)\n"
              u"Private Type Pair\n    EndSub As Long\nEnd Type\n"
              u"Public Enum Mode\n    mdOne\nEnd Enum\nPublic Event Changed()\n"
              u"' Sub Commented()\nRem Function Remarked()\nConst TEXT = \"Sub InString()\"\n"
              u"Public Sub Real()\n" // 14
              u"    Exit Sub\n    EndSub = 1\n    x = \"End Sub\"\n    ' End Sub\n    Rem End Sub\n"
              u"    If x Then End\n    Ending Sub\n"
              u"End Sub"); // 22
  const ProcedureMap map = ProcedureMap::scan(lines);
  ASSERT_EQ(map.procedures().size(), 1U);
  EXPECT_EQ(map.procedures()[0].bodyLine, 14);
  EXPECT_EQ(map.procedures()[0].endLine, 22);
  EXPECT_EQ(map.declarationLines(), 13);
}

// A mark inside a string continues nothing; a comment continues like code.
TEST(ProcedureDetection, ContinuationLines) {
  const Lines lines = linesOf(u"Public _\n  Function Total(a As Long, _\n"
                              u"                 b As Long) As Long\n"
                              u"    x = \"a _\"\nEnd _\n  Function\n"
                              u"' note _\nSub Hidden()\nSub Shown()\nEnd Sub");
  const ProcedureMap map = ProcedureMap::scan(lines);
  ASSERT_EQ(map.procedures().size(), 2U);
  EXPECT_EQ(map.procedures()[0].name, u"Total");
  EXPECT_EQ(map.procedures()[0].bodyLine, 1);
  EXPECT_EQ(map.procedures()[0].headerLastLine, 3);
  EXPECT_EQ(map.procedures()[0].endLine, 6);
  EXPECT_EQ(map.procedures()[1].name, u"Shown");
  EXPECT_EQ(map.procedures()[1].startLine, 7);
}

TEST(ProcedureDetection, OnlyASpaceOrTabBeforeTheMarkContinues) {
  const Lines lines = {
      u"Dim a_",             // 1: a name ending in "_"
      u"'______________",    // 2: a banner
      u"Sub A() ' see m_",   // 3
      u"End Sub",            // 4
      u"Sub B(x, _\t",       // 5: a tab after the mark
      u"      y)",           // 6
      u"    z = 1 +\u3000_", // 7: an ideographic space is no separator
      u"End Sub",            // 8
  };
  const ProcedureMap map = ProcedureMap::scan(lines);
  EXPECT_EQ(found(lines),
            (std::vector<Found>{{u"A", ProcKind::Procedure, 3}, {u"B", ProcKind::Procedure, 5}}));
  EXPECT_EQ(map.declarationLines(), 1);
  EXPECT_EQ(map.procedures()[0].endLine, 4);
  EXPECT_EQ(map.procedures()[1].headerLastLine, 6);
  EXPECT_EQ(map.procedures()[1].endLine, 8);
}

// The lines each procedure owns, and the declarations section.
TEST(ProcedureOwnership, BlankAndCommentLinesBelongToTheFollowingProcedure) {
  const Lines lines = {
      u"' module comment", // 1 declarations
      u"Option Explicit",  // 2 declarations
      u"",                 // 3 A
      u"' about A",        // 4 A
      u"Sub A()",          // 5
      u"End Sub",          // 6
      u"",                 // 7 B
      u"Rem about B",      // 8 B
      u"Property Get B()", // 9
      u"End Property",     // 10
      u"",                 // 11 B (trailing)
      u"' trailing",       // 12 B (trailing)
  };
  const ProcedureMap map = ProcedureMap::scan(lines);
  EXPECT_EQ(map.declarationLines(), 2);
  EXPECT_EQ(map.procedureAt(2), nullptr);
  EXPECT_EQ(map.procedureAt(3)->name, u"A");
  EXPECT_EQ(map.procedureAt(7)->kind, ProcKind::PropertyGet);
  EXPECT_EQ(map.procedures()[1].startLine, 7);
  EXPECT_EQ(map.procedures()[1].lastLine, 12);
}

TEST(ProcedureOwnership, DirectiveLinesBetweenProceduresBelongToTheFollowingOne) {
  const Lines lines = {
      u"#If Win64 Then",                                                     // 1 declarations
      u"Private Declare PtrSafe Function GetTickCount Lib \"k\" () As Long", // 2
      u"#Else",                                                              // 3
      u"Private Declare Function GetTickCount Lib \"k\" () As Long",         // 4
      u"#End If",                                                            // 5 declarations
      u"",                                                                   // 6 A
      u"Sub A()",                                                            // 7
      u"10  x = 1",                                                          // 8
      u"20 End Sub",                                                         // 9
      u"",                                                                   // 10 B
      u"' debugging only",                                                   // 11 B
      u"#Const TRACE = 1",                                                   // 12 B
      u"#If TRACE Then",                                                     // 13 B
      u"Sub B()",                                                            // 14
      u"End Sub",                                                            // 15
      u"#ElseIf DEBUG_ Then",                                                // 16 C
      u"Sub C()",                                                            // 17
      u"End Sub",                                                            // 18
      u"#Else",                                                              // 19 D
      u"",                                                                   // 20 D
      u"  # If Nested Then ' spaced as typed",                               // 21 D
      u"Sub D()",                                                            // 22
      u"End Sub",                                                            // 23
      u"#End If",                                                            // 24 D (trailing)
  };
  const ProcedureMap map = ProcedureMap::scan(lines);
  EXPECT_EQ(map.declarationLines(), 5);
  ASSERT_EQ(map.procedures().size(), 4U);
  EXPECT_EQ(map.procedures()[0].endLine, 9);
  const std::vector<std::pair<std::int32_t, std::int32_t>> owned = {
      {6, 9}, {10, 15}, {16, 18}, {19, 24}};
  for (std::size_t i = 0; i < owned.size(); ++i) {
    EXPECT_EQ(map.procedures()[i].startLine, owned[i].first) << i;
    EXPECT_EQ(map.procedures()[i].lastLine, owned[i].second) << i;
  }
  EXPECT_EQ(map.procedureAt(12)->name, u"B");
  EXPECT_EQ(map.procedureAt(16)->name, u"C");
}

TEST(ProcedureOwnership, DeclarationsEndWithTheirLastStatementAndAnUnendedProcedureBeforeTheNext) {
  EXPECT_EQ(ProcedureMap::scan({u"Const A = 1 + _", u"    2", u"", u"Sub S()"}).declarationLines(),
            2);
  EXPECT_EQ(ProcedureMap::scan({u"' c", u"Sub S()", u"End Sub"}).declarationLines(), 0);
  EXPECT_EQ(ProcedureMap::scan({u"Option Explicit", u"", u"' c"}).declarationLines(), 3);

  const ProcedureMap map =
      ProcedureMap::scan({u"Sub A()", u"    x = 1", u"' about B", u"Sub B()", u"End Sub"});
  ASSERT_EQ(map.procedures().size(), 2U);
  EXPECT_EQ(map.procedures()[0].endLine, 0);
  EXPECT_EQ(map.procedures()[0].lastLine, 2);
  EXPECT_EQ(map.procedures()[1].startLine, 3);
}

} // namespace
} // namespace velmora::sim
