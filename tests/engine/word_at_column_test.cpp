#include "engine/code_context.hpp"
#include "engine/declarable_name.hpp"
#include "engine/word_at_column.hpp"
#include "support/utf.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora {
namespace {

class WordAtColumnTest : public ::testing::Test {
protected:
  void SetUp() override { BuildWordDelimiters(delimiters_); }

  WordAtColumn at(std::u16string_view line, std::int32_t column) const {
    return GetWordAtColumn(delimiters_, line, column);
  }
  std::u16string word(std::u16string_view line, std::int32_t column) const {
    return at(line, column).word;
  }

  WordDelimiters delimiters_;
};

TEST_F(WordAtColumnTest, TheWordAroundTheCaretAndWhereItStarts) {
  struct Case {
    std::u16string_view line;
    std::u16string_view word;
    std::int32_t column;
    std::int32_t start = 0;
  };
  const Case cases[] = {
      {u"    strName = 1", u"strName", 8, 5},
      {u"x = (strName) + y", u"strName", 13}, // right after the name, before ")"
      {u"a b", u"a", 2},                      // a name ends, a delimiter follows: the left word
      {u"a  b", u"", 3},
      {u"", u"", 1},
      {u"sngValue! = 1", u"sngValue", 3},
      {u"name$ = 1", u"name$", 2},
      {u"s = \"text\"", u"\"text\"", 7},
      {u"x = 1 'note here", u"'note", 9},
      {u"  合計金額 = 0", u"合計金額", 5, 3},
  };
  for (const Case& c : cases) {
    const WordAtColumn found = at(c.line, c.column);
    EXPECT_EQ(found.word, c.word) << toUtf8(c.line) << " at " << c.column;
    if (c.start != 0) {
      EXPECT_EQ(found.startColumn, c.start) << toUtf8(c.line);
      EXPECT_EQ(found.length, static_cast<std::int32_t>(c.word.size()));
    }
  }
}

TEST_F(WordAtColumnTest, IdeographicSpaceIsADelimiter) {
  EXPECT_EQ(delimiters_.characters.size(), 22U);
  EXPECT_EQ(delimiters_.characters.substr(20), u"\t\u3000");
  const auto found = at(u"\u3000strName\u3000= 1", 3);
  EXPECT_EQ(found.word, u"strName");
  EXPECT_EQ(found.startColumn, 2);
  EXPECT_EQ(word(u"x =\u3000\u3000y", 4), u"");
  EXPECT_EQ(word(u"合計\u3000金額", 2), u"合計");
}

TEST(DeclarableName, RefusesWhatIsNotAName) {
  EXPECT_TRUE(isDeclarableName(u"strName"));
  EXPECT_TRUE(isDeclarableName(u"strName$"));
  EXPECT_TRUE(isDeclarableName(u"合計"));
  EXPECT_TRUE(isDeclarableName(u"a_1"));
  EXPECT_FALSE(isDeclarableName(u"\"text\""));
  EXPECT_FALSE(isDeclarableName(u"'note"));
  EXPECT_FALSE(isDeclarableName(u"don't"));
  EXPECT_FALSE(isDeclarableName(u"1st"));
  EXPECT_FALSE(isDeclarableName(u"_"));
  EXPECT_FALSE(isDeclarableName(u"a$b"));
  EXPECT_FALSE(isDeclarableName(u""));
}

TEST(DeclarableName, RefusesReservedWordsInAnyCase) {
  for (const std::u16string_view word :
       {u"If", u"then", u"END", u"Set", u"Me", u"Nothing", u"String", u"string$", u"Date$",
        u"WithEvents", u"Rem", u"Attribute", u"Debug", u"AddressOf", u"EndIf", u"DefVar"}) {
    EXPECT_FALSE(isDeclarableName(word)) << std::string(word.begin(), word.end());
  }
  // Built-in functions and names that merely start like a keyword are names.
  for (const std::u16string_view word :
       {u"Len", u"Mid", u"Ending", u"Iff", u"Sets", u"strEnd", u"Property", u"Step"}) {
    EXPECT_TRUE(isDeclarableName(word)) << std::string(word.begin(), word.end());
  }
}

// The caret's line is the last of the lines given; the ones above continue onto it.
bool inStringOrComment(std::vector<std::u16string> lines, std::int32_t column) {
  return isInStringOrComment(lines, column);
}

TEST(StringOrComment, FollowsQuotesAndTheApostrophe) {
  const std::u16string line = u"x = \"a \"\"b\"\" c\" & y ' z";
  EXPECT_FALSE(inStringOrComment({line}, 1));
  EXPECT_TRUE(inStringOrComment({line}, 6));   // a
  EXPECT_TRUE(inStringOrComment({line}, 10));  // b, inside doubled quotes
  EXPECT_TRUE(inStringOrComment({line}, 14));  // c
  EXPECT_FALSE(inStringOrComment({line}, 19)); // y
  EXPECT_TRUE(inStringOrComment({line}, 23));  // z
  EXPECT_FALSE(inStringOrComment({u"s = \"it's\" & t"}, 15));
}

TEST(StringOrComment, RemWhereAStatementStarts) {
  EXPECT_TRUE(inStringOrComment({u"Rem strA = 1"}, 5));
  EXPECT_TRUE(inStringOrComment({u"    rem strA"}, 9));
  EXPECT_TRUE(inStringOrComment({u"x = 1: Rem strA"}, 12));
  EXPECT_TRUE(inStringOrComment({u"100 Rem strA"}, 9));
  EXPECT_TRUE(inStringOrComment({u"If x Then Rem strA"}, 15));
  EXPECT_FALSE(inStringOrComment({u"Remark = strA"}, 10));
  EXPECT_FALSE(inStringOrComment({u"x = Rem + strA"}, 11)); // not where a statement starts
}

TEST(StringOrComment, ReadsTheWholeLogicalLine) {
  // A comment continued with " _" runs on: the next line is comment text.
  EXPECT_TRUE(inStringOrComment({u"' strOld = 1 _", u"    strNew = 2"}, 5));
  EXPECT_TRUE(inStringOrComment({u"x = 1 ' old _", u"  code _", u"  strA = 2"}, 3));
  EXPECT_TRUE(inStringOrComment({u"Rem old _", u"strA = 2"}, 1));
  // Code continued onto the line is code; a string ends with its line.
  EXPECT_FALSE(inStringOrComment({u"x = \"a\" & _", u"    strA"}, 5));
  EXPECT_TRUE(inStringOrComment({u"x = f(a, _", u"      \"strA\")"}, 8));
  // Rem only where the logical line starts, not where a continuation line starts.
  EXPECT_FALSE(inStringOrComment({u"x = a + _", u"Rem + strA"}, 7));
}

} // namespace
} // namespace velmora
