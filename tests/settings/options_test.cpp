#include "settings/options.hpp"
#include "settings/settings_file.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/system/sim_file_store.hpp"
#include "support/error.hpp"
#include "temp_dir.hpp"

#include <gtest/gtest.h>
#include <string>

namespace velmora {
namespace {

class OptionsTest : public ::testing::Test {
protected:
  void write(const std::string& body) { dir.write("Velmora.ini", "[Velmora]\r\n" + body); }

  testing::TempDir dir;
  sim::IconvAnsiCodec codec;
  sim::SimFileStore files;
  SettingsFile file{dir.directory(), codec, files};
};

TEST_F(OptionsTest, MissingOrBlankOptionsAreOn) {
  Options options;
  LoadOptions(file, options);
  EXPECT_EQ(options.intNon, 1);
  EXPECT_EQ(options.intTenmetsu, 1);
  EXPECT_EQ(options.intComment, 1);
  EXPECT_EQ(options.intImeMode, 1);
  write("Non=   \r\nTenmetsu=\r\nComment\r\n");
  EXPECT_EQ(ReadOption(file, u"Non"), 1);
  EXPECT_EQ(ReadOption(file, u"Tenmetsu"), 1);
  EXPECT_EQ(ReadOption(file, u"Comment"), 1);
}

TEST_F(OptionsTest, ValuesConvertAsNumbers) {
  write("Non=0\r\nTenmetsu=\" 0 \"\r\nComment=2\r\nImeMode=1.5\r\n");
  Options options;
  LoadOptions(file, options);
  EXPECT_EQ(options.intNon, 0);
  EXPECT_EQ(options.intTenmetsu, 0);
  EXPECT_EQ(options.intComment, 2);
  EXPECT_FALSE(Options::isOn(options.intComment));
  EXPECT_EQ(options.intImeMode, 2);
}

TEST_F(OptionsTest, ABadValueStopsTheLoadWhereItIs) {
  write("Non=0\r\nTenmetsu=abc\r\nComment=0\r\nImeMode=0\r\n");
  Options options{7, 7, 7, 7};
  try {
    LoadOptions(file, options);
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.description(), u"型が一致しません。");
  }
  EXPECT_EQ(options.intNon, 0);
  EXPECT_EQ(options.intTenmetsu, 7);
  EXPECT_EQ(options.intComment, 7);
  EXPECT_EQ(options.intImeMode, 7);

  write("Comment=40000\r\n");
  try {
    ReadOption(file, u"Comment");
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.description(), u"オーバーフローしました。");
  }
}

} // namespace
} // namespace velmora
