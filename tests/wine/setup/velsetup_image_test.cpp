#include "common/program_folder.hpp"
#include "forms/handle_cast.hpp"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <vector>

namespace velmora {
namespace {

using testing::besideThisProgram;

BOOL CALLBACK collectManifest(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR found) {
  HRSRC resource = FindResourceW(module, name, type);
  const char* text = static_cast<const char*>(LockResource(LoadResource(module, resource)));
  win32::fromInteger<std::vector<std::string>*>(found)->emplace_back(
      text, SizeofResource(module, resource));
  return TRUE;
}

// Windows' installer detection starts a program named "...setup" elevated only when its manifest
// asks for no execution level; elevated, it can write the Windows directory's add-in list. It
// is a windowed program (no console opens with it).
TEST(VelsetupImage, AsksForNoExecutionLevel) {
  EXPECT_NE(HIWORD(SHGetFileInfoW(besideThisProgram(L"Velsetup.exe").c_str(), 0, nullptr, 0,
                                  SHGFI_EXETYPE)),
            0U);
  HMODULE image = LoadLibraryExW(besideThisProgram(L"Velsetup.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(image, nullptr);
  EXPECT_NE(FindResourceW(image, MAKEINTRESOURCEW(1), RT_GROUP_ICON), nullptr) << "its icon";
  EXPECT_NE(FindResourceW(image, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION), nullptr);
  std::vector<std::string> manifests;
  EnumResourceNamesW(image, RT_MANIFEST, collectManifest, reinterpret_cast<LONG_PTR>(&manifests));
  FreeLibrary(image);
  for (const std::string& manifest : manifests) {
    EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos) << manifest;
  }
}

} // namespace
} // namespace velmora
