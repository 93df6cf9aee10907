#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::testing {

// A fresh directory under the system's temporary directory, removed with what it holds (hidden,
// system and read-only files too).
class TempDirectory {
public:
  TempDirectory() {
    static int made = 0;
    path_ = std::filesystem::temp_directory_path() /
            (L"velmora-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++made));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDirectory() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(path_, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `bytes` into the file `name` of the directory; its full path.
  std::wstring write(const std::wstring& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    return (path_ / name).wstring();
  }

  // The names of what the directory holds, sorted.
  std::vector<std::wstring> names() const {
    std::vector<std::wstring> found;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      found.push_back(entry.path().filename().wstring());
    }
    std::sort(found.begin(), found.end());
    return found;
  }

private:
  std::filesystem::path path_;
};

} // namespace velmora::testing
