#include "com/com_test_support.hpp"
#include "services/win32_library_info.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

// The version resource, as the add-in reads its own version and as installers recognise a
// self-registering server.
TEST(VersionResource, CarriesTheVersionAndMarksTheServerSelfRegistering) {
  const std::wstring path = velmoraDllPath();
  const auto version = win32::fileVersion(path);
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(version->major, 1);
  EXPECT_EQ(version->minor, 0);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  ASSERT_NE(size, 0U);
  std::vector<BYTE> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));

  UINT length = 0;
  struct Translation {
    WORD language;
    WORD codePage;
  }* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, sizeof(Translation));
  wchar_t block[64] = {};
  swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", translation->language,
           translation->codePage);
  void* value = nullptr;
  EXPECT_TRUE(VerQueryValueW(info.data(), (std::wstring(block) + L"OLESelfRegister").c_str(),
                             &value, &length));
  ASSERT_TRUE(
      VerQueryValueW(info.data(), (std::wstring(block) + L"FileVersion").c_str(), &value, &length));
  EXPECT_STREQ(static_cast<const wchar_t*>(value), L"1.0");
}

} // namespace
} // namespace velmora::test
