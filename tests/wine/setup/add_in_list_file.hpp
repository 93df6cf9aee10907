#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <windows.h>

namespace velmora::testing {

// VBADDIN.INI in the Windows directory, as the profile functions find it; the tests start
// without it and leave nothing behind.
class AddInListFile {
public:
  AddInListFile() {
    char directory[MAX_PATH] = {};
    GetWindowsDirectoryA(directory, MAX_PATH);
    path_ = std::string(directory) + "\\VBADDIN.INI";
    remove();
  }
  ~AddInListFile() { remove(); }
  AddInListFile(const AddInListFile&) = delete;
  AddInListFile& operator=(const AddInListFile&) = delete;

  const std::string& path() const { return path_; }
  bool exists() const { return GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }

  void write(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string bytes() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::string value(const char* section, const char* key) const {
    return valueIn(path_, section, key);
  }
  // The same of another list file.
  static std::string valueIn(const std::filesystem::path& path, const char* section,
                             const char* key) {
    char text[256] = {};
    GetPrivateProfileStringA(section, key, "(none)", text, sizeof text, path.string().c_str());
    return text;
  }
  // True when the system now refuses to open the file for writing (an administrator, or root
  // under Wine, may write read-only files all the same).
  bool setReadOnly() const {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE handle =
        CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      return true;
    }
    CloseHandle(handle);
    return false;
  }
  // A directory in the file's place: nothing can write the file.
  void blockWithDirectory() const { CreateDirectoryA(path_.c_str(), nullptr); }

private:
  void remove() const {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path_.c_str());
    RemoveDirectoryA(path_.c_str());
  }

  std::string path_;
};

} // namespace velmora::testing
