#include "sim/vbide/scenario/key_chord.hpp"
#include "sim/vbide/scenario/scenario_script.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// The text of the simulated IDE's scenarios: commands with their words, and key combinations.
namespace velmora::test {
namespace {

using namespace sim::vbide;

// The scenario files use words, quotes, "\t" and comments; the rest is checked here.
TEST(ScenarioScript, WordsQuotesEscapesAndComments) {
  const auto steps = parseScenario("\xEF\xBB\xBF# a session\r\n"
                                   "\r\n"
                                   "  caret basMain \"strName\"   # first use\n"
                                   "type Edit:1 \"a \\\"b\\\" \\\\ c\\t\"\n"
                                   "answer-message \"\"");
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].line, 3);
  EXPECT_EQ(steps[0].command, "caret");
  EXPECT_EQ(steps[0].text, "caret basMain \"strName\"   # first use");
  EXPECT_EQ(steps[0].arguments, (std::vector<std::string>{"basMain", "strName"}));
  EXPECT_EQ(steps[1].arguments[1], "a \"b\" \\ c\t");
  EXPECT_EQ(steps[2].arguments, (std::vector<std::string>{""}));
}

TEST(KeyChordNames, ModifiersKeysAndRefusals) {
  KeyChord chord;
  ASSERT_TRUE(KeyChord::parse("Ctrl+Shift+D", chord));
  EXPECT_EQ(chord.modifiers, (std::vector<std::uint16_t>{vk::kControl, vk::kShift}));
  EXPECT_EQ(chord.key, 'D');
  EXPECT_EQ(chord.lastReleased(), vk::kControl);
  ASSERT_TRUE(KeyChord::parse("alt+win+f12", chord));
  EXPECT_EQ(chord.modifiers, (std::vector<std::uint16_t>{vk::kMenu, vk::kLWin}));
  EXPECT_EQ(chord.key, vk::kF1 + 11);
  ASSERT_TRUE(KeyChord::parse("Esc", chord));
  EXPECT_TRUE(chord.modifiers.empty());
  EXPECT_EQ(chord.lastReleased(), vk::kEscape);
  for (const char* bad : {"", "Ctrl+", "Ctrl+Shift", "Hyper+D", "F25", "Ctrl+DD", "+D"}) {
    EXPECT_FALSE(KeyChord::parse(bad, chord)) << bad;
  }
}

TEST(KeyChordNames, FunctionKeysAreOneToTwentyFourHoweverManyDigitsFollow) {
  KeyChord chord;
  ASSERT_TRUE(KeyChord::parse("F24", chord));
  EXPECT_EQ(chord.key, vk::kF1 + 23);
  // 4294967297 is 2^32 + 1: a count that wrapped round read it as F1.
  for (const char* bad : {"Ctrl+F4294967297", "F6666666666", "F18446744073709551617", "F0", "Fx"}) {
    EXPECT_FALSE(KeyChord::parse(bad, chord)) << bad;
  }
}

} // namespace
} // namespace velmora::test
