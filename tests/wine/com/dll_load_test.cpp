#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

std::wstring besideThisProgram(const wchar_t* fileName) {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + fileName;
}

TEST(VelmoraDll, LoadsAndUnloads) {
  HMODULE dll = LoadLibraryW(besideThisProgram(L"Velmora.dll").c_str());
  ASSERT_NE(dll, nullptr) << GetLastError();
  EXPECT_TRUE(FreeLibrary(dll));
}

} // namespace
