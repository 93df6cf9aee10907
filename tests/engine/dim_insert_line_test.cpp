#include "engine/dim_insert_line.hpp"
#include "engine/line_shape.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "support/error.hpp"

#include <gtest/gtest.h>

namespace velmora {
namespace {

std::int32_t insertLineOf(std::u16string_view code, const std::u16string& procedure = u"Main",
                          ProcKind kind = ProcKind::Procedure) {
  auto module = sim::MemoryCodeModule::fromText(code);
  return FindDimInsertLine(*module, procedure, kind);
}

TEST(ContinuedLine, OnlyASpaceOrTabBeforeTheMarkContinues) {
  for (const std::u16string_view line : {u"x = a + _", u"x = a + _   ", u"x = a +\t_\t", u"_",
                                         u"    _", u"' note _", u"Sub A(x, _ \t", u"  Rem see _"}) {
    EXPECT_TRUE(isContinuedLine(line)) << std::string(line.begin(), line.end());
  }
  for (const std::u16string_view line : {u"'__________", u"' see m_", u"strA = my_", u"x = a+_",
                                         u"a_b_", u"", u"   ", u"x_ ", u"x = a +\u3000_", u"_x"}) {
    EXPECT_FALSE(isContinuedLine(line)) << std::string(line.begin(), line.end());
  }
}

TEST(FindDimInsertLine, GoesBelowTheHeaderAndItsContinuations) {
  EXPECT_EQ(insertLineOf(u"Option Explicit\nSub Main()\n    x = 1\nEnd Sub"), 3);
  EXPECT_EQ(
      insertLineOf(u"Public Function Main(a As Long, _\n    b As Long, _\n    c As Long) As Long\n"
                   u"    Main = a\nEnd Function"),
      4);
  EXPECT_EQ(insertLineOf(u"Sub Main()\n\n    x = 1\nEnd Sub"), 2);
  // A header whose mark is followed by a tab is continued all the same.
  EXPECT_EQ(insertLineOf(u"Sub Main(a As Long, _\t\n         b As Long)\n    x = 1\nEnd Sub"), 3);
}

TEST(FindDimInsertLine, PassesCommentsAndAContinuedFirstStatement) {
  EXPECT_EQ(insertLineOf(u"Sub Main()\n    ' one\n' two\n    x = 1\nEnd Sub"), 4);
  EXPECT_EQ(insertLineOf(u"Sub Main()\n    x = 1 + _\n        2\n    y = 3\nEnd Sub"), 4);
  EXPECT_EQ(insertLineOf(u"Sub Main()\n    ' why _\n    x = 1\n    y = 3\nEnd Sub"), 4);
  // A tab-indented comment and Rem count as statements.
  EXPECT_EQ(insertLineOf(u"Sub Main()\n\t' tab\n    x = 1\nEnd Sub"), 2);
  EXPECT_EQ(insertLineOf(u"Sub Main()\n    Rem note\n    x = 1\nEnd Sub"), 2);
}

// Underscores that end a name or fill a banner continue nothing: the declaration must stay above
// the first statement, which may use the name.
TEST(FindDimInsertLine, UnderscoresThatAreNoContinuation) {
  EXPECT_EQ(insertLineOf(u"Sub Main()\n'______________\n    strA = \"x\"\n    y = 1\nEnd Sub"), 3);
  EXPECT_EQ(insertLineOf(u"Sub Main() ' see m_\n    strA = m_\n    y = 1\nEnd Sub"), 2);
  EXPECT_EQ(insertLineOf(u"Sub Main()\n    ' ____ 初期化 ____\n    strA = 1\nEnd Sub"), 3);
  // The only statement ends in a name with "_": the declaration stays inside the procedure.
  EXPECT_EQ(insertLineOf(u"Sub Main()\n    strA = my_\nEnd Sub\nSub Other()\nEnd Sub"), 2);
}

TEST(FindDimInsertLine, HostErrorsReachTheCaller) {
  EXPECT_THROW(insertLineOf(u"Sub Main()\nEnd Sub", u"Missing"), HostError);
  // The host refuses a property asked for with another kind, as the IDE does.
  EXPECT_THROW(insertLineOf(u"Property Get Main() As Long\nEnd Property"), HostError);
  // A continued last line: the line that would complete it lies past the end.
  EXPECT_THROW(insertLineOf(u"Sub Main()\n    x = 1 + _"), HostError);
}

} // namespace
} // namespace velmora
