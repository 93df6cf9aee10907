#include "engine/word_at_column.hpp"
#include "engine/word_under_caret.hpp"

#include <gtest/gtest.h>

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

TEST_F(WordAtColumnTest, CaretInsideANameGivesTheNameWithItsColumns) {
  const auto found = at(u"    strName = 1", 8);
  EXPECT_EQ(found.word, u"strName");
  EXPECT_EQ(found.startColumn, 5);
  EXPECT_EQ(found.length, 7);
}

TEST_F(WordAtColumnTest, TieBreaksAtTheEdgesOfAName) {
  const std::u16string line = u"x = (strName) + y";
  EXPECT_EQ(word(line, 13), u"strName"); // right after the name, before ")"
  EXPECT_EQ(word(line, 6), u"strName");  // right before the name, after "("
  EXPECT_EQ(word(u"a b", 2), u"a");      // a name ends, a delimiter follows: the left word
  EXPECT_EQ(word(u"ab", 2), u"ab");      // inside
  EXPECT_EQ(word(u"abc", 4), u"abc");    // end of line
  EXPECT_EQ(word(u"abc", 1), u"abc");    // start of line
}

TEST_F(WordAtColumnTest, NoWordBetweenDelimitersOrOnEmptyLines) {
  EXPECT_EQ(word(u"a  b", 3), u"");
  EXPECT_EQ(word(u"a = b", 3), u"");
  EXPECT_EQ(word(u"", 1), u"");
  EXPECT_EQ(word(u"x = 1", 0), u"");
  EXPECT_EQ(word(u"x = 1", -3), u"");
  EXPECT_EQ(word(u"x", 40), u"");
}

TEST_F(WordAtColumnTest, WhichCharactersEndAWord) {
  EXPECT_EQ(word(u"sngValue! = 1", 3), u"sngValue");
  EXPECT_EQ(word(u"dblValue# = 1", 3), u"dblValue");
  for (const std::u16string suffix : {u"$", u"%", u"&", u"@"}) {
    EXPECT_EQ(word(u"name" + suffix + u" = 1", 2), u"name" + suffix);
  }
  EXPECT_EQ(word(u"s = \"text\"", 7), u"\"text\"");
  EXPECT_EQ(word(u"x = 1 ' note here", 8), u"'");
  EXPECT_EQ(word(u"x = 1 'note here", 9), u"'note");
  EXPECT_EQ(word(u"a.b", 1), u"a");
  EXPECT_EQ(word(u"f(a,b)", 5), u"b");
}

TEST_F(WordAtColumnTest, TabIsADelimiter) {
  const auto found = at(u"\tstrName = 1", 3);
  EXPECT_EQ(found.word, u"strName");
  EXPECT_EQ(found.startColumn, 2);
  EXPECT_EQ(word(u"\t\tx", 2), u"");
}

TEST_F(WordAtColumnTest, JapaneseIdentifiersAreSingleWords) {
  EXPECT_EQ(word(u"  合計金額 = 0", 5), u"合計金額");
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

TEST(StringOrComment, FollowsQuotesAndTheApostrophe) {
  const std::u16string_view line = u"x = \"a \"\"b\"\" c\" & y ' z";
  EXPECT_FALSE(isInStringOrComment(line, 1));
  EXPECT_TRUE(isInStringOrComment(line, 6));   // a
  EXPECT_TRUE(isInStringOrComment(line, 10));  // b, inside doubled quotes
  EXPECT_TRUE(isInStringOrComment(line, 14));  // c
  EXPECT_FALSE(isInStringOrComment(line, 19)); // y
  EXPECT_TRUE(isInStringOrComment(line, 23));  // z
  EXPECT_FALSE(isInStringOrComment(u"s = \"it's\" & t", 15));
}

} // namespace
} // namespace velmora
