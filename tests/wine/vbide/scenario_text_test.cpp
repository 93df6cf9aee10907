#include "sim/vbide/app/addin_list.hpp"
#include "sim/vbide/scenario/scenario_steps.hpp"
#include "sim/vbide/scenario/window_search.hpp"

#include <gtest/gtest.h>
#include <string>

// What the simulated IDE reads: its scenario commands, its add-in list, button texts. (The
// scenario text and key names are tested natively: tests/sim/scenario_text_test.cpp.)
namespace velmora::test {
namespace {

using namespace sim::vbide;

TEST(ScenarioScript, EveryCommandOfTheFormatIsKnownWithItsArguments) {
  const struct {
    const char* name;
    int min;
    int max;
  } expected[] = {{"open", 1, 1},
                  {"caret", 2, 3},
                  {"key", 1, 1},
                  {"click", 1, 1},
                  {"wait-window", 1, 1},
                  {"type", 2, 2},
                  {"press-button", 1, 1},
                  {"enter", 0, 0},
                  {"esc", 0, 0},
                  {"close", 0, 0},
                  {"answer-message", 1, 2},
                  {"deactivate", 0, 0},
                  {"activate", 0, 0},
                  {"dump", 1, 1},
                  {"expect-line", 3, 3},
                  {"disconnect", 0, 1},
                  {"connect", 0, 1},
                  {"quit", 0, 0},
                  {"wait-hotkey", 1, 1},
                  {"expect-tooltip", 2, 2},
                  {"hold-hotkey", 1, 1},
                  {"release-hotkey", 1, 1},
                  {"expect-hotkey-free", 1, 1},
                  {"type-keys", 1, 1},
                  {"mouse-click", 1, 1},
                  {"expect-enabled", 0, 1},
                  {"expect-disabled", 0, 1},
                  {"expect-active", 0, 1},
                  {"expect-dialogs", 1, 1},
                  {"end-session", 0, 0},
                  {"expect-no-toolbar", 1, 1},
                  {"expect-released", 0, 0}};
  for (const auto& each : expected) {
    const StepCommand* command = findCommand(each.name);
    ASSERT_NE(command, nullptr) << each.name;
    EXPECT_EQ(command->minArguments, each.min) << each.name;
    EXPECT_EQ(command->maxArguments, each.max) << each.name;
  }
  EXPECT_EQ(findCommand("sleep"), nullptr);
}

TEST(AddinList, EntriesAndWhichOfThemLoadAtStartUp) {
  static constexpr char kBlock[] = "Velmora.VelmoraClass=1\0"
                                   " Other.Connect = 3 \0"
                                   "Off.Connect=0\0"
                                   "Now.Connect=2\0"
                                   "Broken.Connect=x\0"
                                   "no equals sign\0"
                                   "=1\0"
                                   "\0";
  const auto entries = parseAddinSection(std::string(kBlock, sizeof kBlock - 1));
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0].progId, "Velmora.VelmoraClass");
  EXPECT_TRUE(entries[0].loadsAtStartup());
  EXPECT_EQ(entries[1].progId, "Other.Connect");
  EXPECT_TRUE(entries[1].loadsAtStartup());
  EXPECT_FALSE(entries[2].loadsAtStartup());
  EXPECT_FALSE(entries[3].loadsAtStartup());
  EXPECT_EQ(entries[4].load, 0);
  EXPECT_TRUE(parseAddinSection(std::string("\0\0", 2)).empty());
}

TEST(ButtonTexts, AccessKeysDoNotCount) {
  EXPECT_EQ(plainText(L"はい(&Y)"), L"はい");
  EXPECT_EQ(plainText(L"&Yes"), L"Yes");
  EXPECT_EQ(plainText(L"OK"), L"OK");
  EXPECT_EQ(plainText(L"Save && Exit"), L"Save & Exit");
  EXPECT_EQ(plainText(L"キャンセル "), L"キャンセル");
}

} // namespace
} // namespace velmora::test
