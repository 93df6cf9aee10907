#include "com/com_test_support.hpp"
#include "services/win32_library_info.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace velmora::test {
namespace {

// The version the add-in reads from its own version resource, and the mark by which installers
// recognise a self-registering server.
TEST(VersionResource, CarriesTheVersionAndMarksTheServerSelfRegistering) {
  const std::wstring path = velmoraDllPath();
  const auto version = win32::fileVersion(path);
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(version->major, 1);
  EXPECT_EQ(version->minor, 0);
  std::vector<BYTE> info(GetFileVersionInfoSizeW(path.c_str(), nullptr));
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  WORD* translation = nullptr; // language, code page
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  wchar_t key[64] = {};
  swprintf(key, 64, L"\\StringFileInfo\\%04x%04x\\OLESelfRegister", translation[0], translation[1]);
  void* value = nullptr;
  EXPECT_TRUE(VerQueryValueW(info.data(), key, &value, &length));
}

} // namespace
} // namespace velmora::test
