#include "settings/whole_file.hpp"
#include "sim/system/sim_file_store.hpp"
#include "temp_dir.hpp"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora {
namespace {

using Step = sim::SimFileStore::Step;

constexpr std::uint64_t kPatience = std::uint64_t{kBusyPause} * kBusyPauses;

class WholeFileReplacement : public ::testing::Test {
protected:
  void SetUp() override { dir.write("Velmora.ini", "old"); }

  bool replace(const std::string& bytes = "new") {
    return replaceWholeFile(store, dir.file("Velmora.ini"), bytes);
  }
  // Nothing but the settings file (and what the test put there itself) is left.
  void expectOnly(const std::vector<std::string>& names) const { EXPECT_EQ(dir.names(), names); }

  testing::TempDir dir;
  sim::SimFileStore store;
};

TEST_F(WholeFileReplacement, ReplacesOrCreatesTheFileThroughANewFileBesideIt) {
  EXPECT_TRUE(replace());
  EXPECT_EQ(dir.read("Velmora.ini"), "new");
  EXPECT_TRUE(replaceWholeFile(store, dir.file("fresh.ini"), "made"));
  EXPECT_EQ(dir.read("fresh.ini"), "made");
  EXPECT_EQ(store.overwrites(), 0);
  EXPECT_EQ(store.paused(), 0u);
  expectOnly({"Velmora.ini", "fresh.ini"});
}

TEST_F(WholeFileReplacement, AHolderThatLetsGoWithinTheWaitIsWaitedFor) {
  store.hold(dir.file("Velmora.ini"), kPatience - kBusyPause);
  EXPECT_TRUE(replace());
  EXPECT_EQ(dir.read("Velmora.ini"), "new");
  EXPECT_EQ(store.paused(), kPatience - kBusyPause);
  EXPECT_EQ(store.overwrites(), 0) << "never written in place while held";
  expectOnly({"Velmora.ini"});
}

TEST_F(WholeFileReplacement, AHolderThatKeepsTheFileMakesItFailUntouchedAfterTheWait) {
  store.hold(dir.file("Velmora.ini"));
  EXPECT_FALSE(replace());
  EXPECT_EQ(dir.read("Velmora.ini"), "old");
  EXPECT_EQ(store.paused(), kPatience) << "about half a second in all, then it gives up";
  EXPECT_EQ(store.overwrites(), 0);
  expectOnly({"Velmora.ini"});
}

// The system refuses a step for good (a folder the user may not write, a replacement that fails
// half way): the file is written in place, as the profile functions write it, and nothing is
// left beside it.
TEST_F(WholeFileReplacement, ARefusedStepFallsBackToWritingInPlace) {
  for (const Step step : {Step::WriteNew, Step::Replace, Step::ReplaceHalfway}) {
    sim::SimFileStore refusing;
    refusing.refuse(step);
    dir.write("Velmora.ini", "old");
    EXPECT_TRUE(replaceWholeFile(refusing, dir.file("Velmora.ini"), "new"));
    EXPECT_EQ(dir.read("Velmora.ini"), "new") << static_cast<int>(step);
    EXPECT_EQ(refusing.overwrites(), 1);
    EXPECT_EQ(refusing.paused(), 0u) << "no waiting for what waiting does not cure";
    expectOnly({"Velmora.ini"});
  }
}

TEST_F(WholeFileReplacement, WhenTheInPlaceWriteFailsTooNothingChangesAndNothingIsLeft) {
  store.refuse(Step::WriteNew);
  store.refuse(Step::Overwrite);
  EXPECT_FALSE(replace());
  EXPECT_EQ(dir.read("Velmora.ini"), "old");
  expectOnly({"Velmora.ini"});

  store.allow(Step::WriteNew);
  store.refuse(Step::Replace);
  EXPECT_FALSE(replace());
  EXPECT_EQ(dir.read("Velmora.ini"), "old");
  expectOnly({"Velmora.ini"});
}

TEST_F(WholeFileReplacement, AReadOnlyFileOrAMissingFolderIsNotWritten) {
  std::filesystem::permissions(dir.file("Velmora.ini"), std::filesystem::perms::owner_read);
  EXPECT_FALSE(replace());
  EXPECT_EQ(dir.read("Velmora.ini"), "old");
  expectOnly({"Velmora.ini"});

  EXPECT_FALSE(replaceWholeFile(store, dir.file("missing") / "Velmora.ini", "new"));
  expectOnly({"Velmora.ini"});
}

TEST_F(WholeFileReplacement, ALeftoverOfAnEarlierRunIsTakenOverAndGone) {
  dir.write("Velmora.ini.new", "half of an earlier");
  EXPECT_TRUE(replace());
  EXPECT_EQ(dir.read("Velmora.ini"), "new");
  expectOnly({"Velmora.ini"});
}

TEST_F(WholeFileReplacement, AnotherWritersNewFileIsWaitedForAndNeverRemoved) {
  dir.write("Velmora.ini.new", "theirs");
  store.hold(dir.file("Velmora.ini.new"));
  EXPECT_FALSE(replace());
  EXPECT_EQ(dir.read("Velmora.ini"), "old");
  EXPECT_EQ(dir.read("Velmora.ini.new"), "theirs");
  EXPECT_EQ(store.paused(), kPatience);
}

} // namespace
} // namespace velmora
