#include "settings/options.hpp"
#include "settings_file_fixture.hpp"
#include "support/error.hpp"

namespace velmora {
namespace {

using OptionsTest = testing::SettingsFileFixture;

TEST_F(OptionsTest, MissingOrBlankOptionsAreOnAndValuesConvertAsNumbers) {
  write("Non=   \r\nTenmetsu=\" 0 \"\r\nComment=2\r\n");
  Options options{7, 7, 7, 7};
  LoadOptions(file, options);
  EXPECT_EQ(options.intNon, 1);
  EXPECT_EQ(options.intTenmetsu, 0);
  EXPECT_EQ(options.intComment, 2);
  EXPECT_EQ(options.intImeMode, 1);
  write("Comment=40000\r\n");
  EXPECT_THROW(ReadOption(file, u"Comment"), Error);
}

} // namespace
} // namespace velmora
