#pragma once

#include "com/registry_key.hpp"
#include "common/temp_directory.hpp"

#include <optional>

namespace velmora::testing {

// Points the user's local application data folder (the "Local AppData" entry of the user's shell
// folders, which the system's known-folder lookup reads) at a fresh folder while it lives, and
// puts the entry back afterwards.
class LocalAppDataFolder {
public:
  LocalAppDataFolder() { set(path().wstring()); }
  ~LocalAppDataFolder() {
    if (previous_) {
      set(*previous_);
    } else {
      RegDeleteValueW(key_.handle(), kValue);
    }
  }
  LocalAppDataFolder(const LocalAppDataFolder&) = delete;
  LocalAppDataFolder& operator=(const LocalAppDataFolder&) = delete;

  const std::filesystem::path& path() const { return folder_.path(); }

  // Where the user's VirtualStore copy of a file in the Windows directory lives.
  std::filesystem::path virtualStoreCopy(const std::wstring& fileName) const {
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    return path() / L"VirtualStore" / (std::wstring(windows).substr(3)) / fileName;
  }

private:
  static constexpr const wchar_t* kValue = L"Local AppData";

  void set(const std::wstring& text) const {
    RegSetValueExW(key_.handle(), kValue, 0, REG_EXPAND_SZ,
                   reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1) * static_cast<DWORD>(sizeof(wchar_t)));
  }

  TempDirectory folder_;
  win32::RegistryKey key_ = win32::RegistryKey::create(
      HKEY_CURRENT_USER,
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders");
  std::optional<std::wstring> previous_ = key_.readString(kValue);
};

} // namespace velmora::testing
