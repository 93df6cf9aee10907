#include "engine/dim_insert_line.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "support/error.hpp"

#include <gtest/gtest.h>

namespace velmora {
namespace {

std::int32_t insertLineOf(std::u16string_view code, const std::u16string& procedure = u"Main") {
  auto module = sim::MemoryCodeModule::fromText(code);
  return FindDimInsertLine(*module, procedure);
}

TEST(FindDimInsertLine, GoesBelowTheHeaderAndItsContinuations) {
  EXPECT_EQ(insertLineOf(u"Option Explicit\nSub Main()\n    x = 1\nEnd Sub"), 3);
  EXPECT_EQ(
      insertLineOf(u"Public Function Main(a As Long, _\n    b As Long, _\n    c As Long) As Long\n"
                   u"    Main = a\nEnd Function"),
      4);
  EXPECT_EQ(insertLineOf(u"Sub Main()\n\n    x = 1\nEnd Sub"), 2);
}

TEST(FindDimInsertLine, PassesCommentsAndAContinuedFirstStatement) {
  EXPECT_EQ(insertLineOf(u"Sub Main()\n    ' one\n' two\n    x = 1\nEnd Sub"), 4);
  EXPECT_EQ(insertLineOf(u"Sub Main()\n    x = 1 + _\n        2\n    y = 3\nEnd Sub"), 4);
  EXPECT_EQ(insertLineOf(u"Sub Main()\n    ' why _\n    x = 1\n    y = 3\nEnd Sub"), 4);
  // A tab-indented comment and Rem count as statements.
  EXPECT_EQ(insertLineOf(u"Sub Main()\n\t' tab\n    x = 1\nEnd Sub"), 2);
  EXPECT_EQ(insertLineOf(u"Sub Main()\n    Rem note\n    x = 1\nEnd Sub"), 2);
}

TEST(FindDimInsertLine, HostErrorsReachTheCaller) {
  EXPECT_THROW(insertLineOf(u"Sub Main()\nEnd Sub", u"Missing"), HostError);
  EXPECT_THROW(insertLineOf(u"Property Get Main() As Long\nEnd Property"), HostError);
}

} // namespace
} // namespace velmora
