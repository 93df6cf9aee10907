#pragma once

#include <filesystem>
#include <string>
#include <windows.h>

namespace velmora::testing {

// A fresh directory under the system's temporary directory, removed with what it holds.
class TempDirectory {
public:
  TempDirectory() {
    static int made = 0;
    path_ = std::filesystem::temp_directory_path() /
            (L"velmora-dialogs-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++made));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

private:
  std::filesystem::path path_;
};

} // namespace velmora::testing
