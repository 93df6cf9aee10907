#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <windows.h>

namespace velmora::testing {

// Makes `path` read-only; true when the system now refuses to open it for writing (an
// administrator, or root under Wine, may write read-only files all the same).
inline bool makeReadOnly(const std::filesystem::path& path) {
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    return true;
  }
  CloseHandle(handle);
  return false;
}

// A value of an add-in list, as the profile functions read it; "(none)" when missing.
inline std::string addInListValue(const std::filesystem::path& path, const char* section,
                                  const char* key) {
  char text[256] = {};
  GetPrivateProfileStringA(section, key, "(none)", text, sizeof text, path.string().c_str());
  return text;
}

// VBADDIN.INI in the Windows directory, as the profile functions find it; the tests start
// without it and leave nothing behind.
class AddInListFile {
public:
  AddInListFile() {
    wchar_t directory[MAX_PATH] = {};
    GetWindowsDirectoryW(directory, MAX_PATH);
    path_ = std::filesystem::path(directory) / L"VBADDIN.INI";
    remove();
  }
  ~AddInListFile() { remove(); }
  AddInListFile(const AddInListFile&) = delete;
  AddInListFile& operator=(const AddInListFile&) = delete;

  const std::filesystem::path& path() const { return path_; }
  bool exists() const { return std::filesystem::exists(path_); }
  void write(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string bytes() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::string value(const char* section, const char* key) const {
    return addInListValue(path_, section, key);
  }
  // A directory in the file's place: nothing can write the file.
  void blockWithDirectory() const { CreateDirectoryW(path_.c_str(), nullptr); }

private:
  void remove() const {
    SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path_.c_str());
    RemoveDirectoryW(path_.c_str());
  }

  std::filesystem::path path_;
};

} // namespace velmora::testing
