#include "com/com_boundary.hpp"
#include "common/error_info.hpp"

#include <gtest/gtest.h>
#include <new>
#include <string>

namespace velmora::test {
namespace {

TEST(ComBoundary, TranslatesEveryExceptionIntoAnHresult) {
  EXPECT_EQ(win32::comBoundary(IID_NULL, [] {}), S_OK);
  EXPECT_EQ(win32::comBoundary(IID_NULL, [] { return S_FALSE; }), S_FALSE);

  EXPECT_EQ(win32::comBoundary(IID_NULL, [] { throw HostError(u"ツールバーがありません"); }),
            E_FAIL);
  EXPECT_EQ(testing::takeErrorDescription(), L"ツールバーがありません");

  EXPECT_EQ(
      win32::comBoundary(IID_NULL, [] { throw win32::ComError(DISP_E_MEMBERNOTFOUND, u"Item"); }),
      DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(testing::takeErrorDescription(), L"Item");
  // A success code is no failure to hand on.
  EXPECT_EQ(win32::comBoundary(IID_NULL, [] { throw win32::ComError(S_OK, u"odd"); }), E_FAIL);

  EXPECT_EQ(win32::comBoundary(IID_NULL, [] { throw std::bad_alloc(); }), E_OUTOFMEMORY);
  EXPECT_EQ(win32::comBoundary(IID_NULL, [] { throw 42; }), E_UNEXPECTED);
}

TEST(ComBoundary, Win32FailuresCarryTheirCodeAndOperation) {
  EXPECT_NO_THROW(win32::checkStatus(ERROR_SUCCESS, u"RegSetValueEx"));
  try {
    win32::checkStatus(ERROR_ACCESS_DENIED, u"RegCreateKeyEx CLSID");
    FAIL() << "no exception";
  } catch (const win32::ComError& error) {
    EXPECT_EQ(error.result(), E_ACCESSDENIED);
    EXPECT_EQ(error.description().rfind(u"RegCreateKeyEx CLSID", 0), 0U);
  }
}

} // namespace
} // namespace velmora::test
