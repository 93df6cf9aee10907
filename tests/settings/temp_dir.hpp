#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::testing {

// A fresh directory for one test, removed with everything in it afterwards.
class TempDir {
public:
  TempDir() { std::filesystem::create_directories(path_); }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::filesystem::path file(const std::string& name) const { return path_ / name; }
  // The directory as the library would be told it (UTF-16, no trailing separator).
  std::u16string directory() const { return path_.u16string(); }

  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary | std::ios::trunc) << bytes;
  }
  std::string read(const std::string& name) const {
    std::ostringstream bytes;
    bytes << std::ifstream(file(name), std::ios::binary).rdbuf();
    return bytes.str();
  }
  // The names in the directory, sorted.
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      out.push_back(entry.path().filename().string());
    }
    std::sort(out.begin(), out.end());
    return out;
  }

private:
  std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                ("velmora-settings-" + std::to_string(std::random_device()()) +
                                 std::to_string(std::random_device()()));
};

} // namespace velmora::testing
