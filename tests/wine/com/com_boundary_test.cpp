#include "com/com_boundary.hpp"
#include "common/error_info.hpp"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

TEST(ComBoundary, TranslatesEveryExceptionIntoAnHresult) {
  EXPECT_EQ(win32::comBoundary(IID_NULL, [] { return S_FALSE; }), S_FALSE);
  EXPECT_EQ(
      win32::comBoundary(IID_NULL, [] { throw win32::ComError(DISP_E_MEMBERNOTFOUND, u"Item"); }),
      DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(testing::takeErrorDescription(), L"Item");
  // A success code is no failure to hand on.
  EXPECT_EQ(win32::comBoundary(IID_NULL, [] { throw win32::ComError(S_OK, u"odd"); }), E_FAIL);
  EXPECT_EQ(win32::comBoundary(IID_NULL, [] { throw 42; }), E_UNEXPECTED);
}

} // namespace
} // namespace velmora::test
