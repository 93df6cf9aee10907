#pragma once

#include "installer/setup_places.hpp"

#include <knownfolders.h>
#include <optional>
#include <shlobj.h>
#include <string>
#include <string_view>
#include <windows.h>

namespace velmora::win32 {

// The places as the running user's system names them.
class SystemSetupPlaces final : public SetupPlaces {
public:
  std::u16string windowsDirectory() const override {
    wchar_t directory[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(directory, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::u16string()
                                             : std::u16string(directory, directory + length);
  }

  // The folder of the user this program runs as (elevated through the same user's consent, the
  // user who runs the IDE).
  std::optional<std::u16string> localAppData() const override {
    wchar_t* folder = nullptr;
    std::optional<std::u16string> path;
    if (SUCCEEDED(
            SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DONT_VERIFY, nullptr, &folder)) &&
        folder != nullptr) {
      path.emplace(folder, folder + lstrlenW(folder));
    }
    CoTaskMemFree(folder);
    return path;
  }

  bool fileExists(std::u16string_view path) const override {
    const std::wstring name(path.begin(), path.end());
    const DWORD attributes = GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }
};

} // namespace velmora::win32
