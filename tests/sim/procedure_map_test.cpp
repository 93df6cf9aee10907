#include "sim/ide/memory_code_module.hpp"
#include "sim/ide/procedure_map.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::sim {
namespace {

struct Found {
  std::u16string name;
  ProcKind kind;
  std::int32_t bodyLine;
  friend bool operator==(const Found&, const Found&) = default;
};

ProcedureMap scan(std::u16string_view text) {
  return ProcedureMap::scan(MemoryCodeModule::fromText(text)->lineTexts());
}

std::vector<Found> found(const ProcedureMap& map) {
  std::vector<Found> result;
  for (const Procedure& p : map.procedures()) {
    result.push_back({p.name, p.kind, p.bodyLine});
  }
  return result;
}

TEST(ProcedureDetection, NotFooledByLookalikes) {
  const ProcedureMap map =
      scan(u"Private Declare Function GetTickCount Lib \"kernel32\" () As Long\n"
           u"Public Declare Sub Sleep Lib \"kernel32\" _\n    (ByVal ms As Long)\n"
           u"Private Type Pair\n    EndSub As Long\nEnd Type\n"
           u"Public Enum Mode\n    mdOne\nEnd Enum\nPublic Event Changed()\n"
           u"' Sub Commented()\nRem Function Remarked()\nConst TEXT = \"Sub InString()\"\n"
           u"Public Sub Real()\n" // 14
           u"    Exit Sub\n    EndSub = 1\n    x = \"End Sub\"\n    ' End Sub\n    Rem End Sub\n"
           u"    If x Then End\n    Ending Sub\n"
           u"End Sub"); // 22
  ASSERT_EQ(map.procedures().size(), 1U);
  EXPECT_EQ(map.procedures()[0].bodyLine, 14);
  EXPECT_EQ(map.procedures()[0].endLine, 22);
  EXPECT_EQ(map.declarationLines(), 13);
}

// Line 1 is a name ending in "_", 2 a banner, 5 has a tab after the mark, and an ideographic
// space (7) is no separator.
TEST(ProcedureDetection, OnlyASpaceOrTabBeforeTheMarkContinues) {
  const ProcedureMap map =
      ProcedureMap::scan({u"Dim a_", u"'______________", u"Sub A() ' see m_", u"End Sub",
                          u"Sub B(x, _\t", u"      y)", u"    z = 1 +\u3000_", u"End Sub"});
  EXPECT_EQ(found(map),
            (std::vector<Found>{{u"A", ProcKind::Procedure, 3}, {u"B", ProcKind::Procedure, 5}}));
  EXPECT_EQ(map.declarationLines(), 1);
  EXPECT_EQ(map.procedures()[0].endLine, 4);
  EXPECT_EQ(map.procedures()[1].headerLastLine, 6);
  EXPECT_EQ(map.procedures()[1].endLine, 8);
}

// Blank, comment and directive lines between procedures belong to the following one; those
// after the last to the last.
TEST(ProcedureOwnership, DirectiveLinesBetweenProceduresBelongToTheFollowingOne) {
  const ProcedureMap map =
      scan(u"#If Win64 Then\nPrivate Declare PtrSafe Function GetTickCount Lib \"k\" () As Long\n"
           u"#Else\nPrivate Declare Function GetTickCount Lib \"k\" () As Long\n#End If\n" // 1-5
           u"\nSub A()\n10  x = 1\n20 End Sub\n"                                           // 6-9: A
           u"\n' debugging only\n#Const TRACE = 1\n#If TRACE Then\nSub B()\nEnd Sub\n"   // 10-15: B
           u"#ElseIf DEBUG_ Then\nSub C()\nEnd Sub\n"                                    // 16-18: C
           u"#Else\n\n  # If Nested Then ' spaced as typed\nSub D()\nEnd Sub\n#End If"); // 19-24: D
  EXPECT_EQ(map.declarationLines(), 5);
  ASSERT_EQ(map.procedures().size(), 4U);
  EXPECT_EQ(map.procedures()[0].endLine, 9);
  const std::vector<std::pair<std::int32_t, std::int32_t>> owned = {
      {6, 9}, {10, 15}, {16, 18}, {19, 24}};
  for (std::size_t i = 0; i < owned.size(); ++i) {
    EXPECT_EQ(map.procedures()[i].startLine, owned[i].first) << i;
    EXPECT_EQ(map.procedures()[i].lastLine, owned[i].second) << i;
  }
  EXPECT_EQ(map.procedureAt(5), nullptr);
  EXPECT_EQ(map.procedureAt(12)->name, u"B");
  EXPECT_EQ(map.procedureAt(16)->name, u"C");
}

TEST(ProcedureOwnership, DeclarationsEndWithTheirLastStatementAndAnUnendedProcedureBeforeTheNext) {
  EXPECT_EQ(scan(u"Const A = 1 + _\n    2\n\nSub S()").declarationLines(), 2);
  const ProcedureMap map = scan(u"Sub A()\n    x = 1\n' about B\nSub B()\nEnd Sub");
  ASSERT_EQ(map.procedures().size(), 2U);
  EXPECT_EQ(map.procedures()[0].endLine, 0);
  EXPECT_EQ(map.procedures()[0].lastLine, 2);
  EXPECT_EQ(map.procedures()[1].startLine, 3);
}

} // namespace
} // namespace velmora::sim
