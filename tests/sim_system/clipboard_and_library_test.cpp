#include "sim/system/sim_clipboard.hpp"
#include "sim/system/sim_library_info.hpp"
#include "support/error.hpp"

#include <gtest/gtest.h>

namespace velmora::sim {
namespace {

Bitmap square(Colour16 colour) {
  return Bitmap{2, 2, std::vector<Colour16>(4, colour)};
}

TEST(SimClipboard, SaveSetPictureRestoreGivesTheUserHisTextBack) {
  SimClipboard clipboard;
  clipboard.setText(u"user text");
  Clipboard& port = clipboard;
  const auto saved = port.save();
  port.setPicture(square(Colour16::Red));
  EXPECT_EQ(clipboard.picture(), square(Colour16::Red));
  EXPECT_FALSE(clipboard.text());

  port.restore(*saved);
  EXPECT_EQ(clipboard.text(), u"user text");
  EXPECT_EQ(clipboard.sequenceNumber(), 3U);

  clipboard.clear();
  const auto empty = port.save();
  port.setPicture(square(Colour16::Blue));
  port.restore(*empty);
  EXPECT_TRUE(clipboard.empty());
}

TEST(SimClipboard, FailuresAreHostErrors) {
  SimClipboard clipboard;
  EXPECT_THROW(clipboard.setPicture(Bitmap{2, 2, {Colour16::Red}}), HostError);
  EXPECT_TRUE(clipboard.empty());

  const auto saved = clipboard.save();
  clipboard.holdOpenElsewhere(true);
  EXPECT_THROW(clipboard.save(), HostError);
  EXPECT_THROW(clipboard.setPicture(square(Colour16::Red)), HostError);
  EXPECT_THROW(clipboard.restore(*saved), HostError);
  clipboard.holdOpenElsewhere(false);

  struct Foreign : Clipboard::Saved {};
  EXPECT_THROW(clipboard.restore(Foreign{}), std::invalid_argument);
}

TEST(SimLibraryInfo, DirectoryHasNoFinalSeparatorExceptAtADriveRoot) {
  SimLibraryInfo info(u"C:\\Tools\\Velmora\\", {2, 5});
  EXPECT_EQ(info.directory(), u"C:\\Tools\\Velmora");
  EXPECT_EQ(info.version().major, 2);
  EXPECT_EQ(info.version().minor, 5);
  info.setDirectory(u"D:\\");
  EXPECT_EQ(info.directory(), u"D:\\");
}

} // namespace
} // namespace velmora::sim
