#pragma once

#include "services/win32_file_store.hpp"

#include <functional>

namespace velmora::testing {

// The Win32 file store, telling the test when a replacement pauses because the file is busy:
// the moment at which another program may let go of it.
class WatchedFileStore final : public FileStore {
public:
  FileContents read(const FilePath& path) const override { return real_.read(path); }
  Outcome writeNew(const FilePath& path, std::string_view bytes) override {
    return real_.writeNew(path, bytes);
  }
  Outcome replace(const FilePath& target, const FilePath& replacement) override {
    return real_.replace(target, replacement);
  }
  bool overwrite(const FilePath& path, std::string_view bytes) override {
    return real_.overwrite(path, bytes);
  }
  void remove(const FilePath& path) override { real_.remove(path); }
  void pause(std::uint32_t milliseconds) override {
    ++pauses;
    if (onPause) {
      onPause();
    }
    real_.pause(milliseconds);
  }

  std::function<void()> onPause;
  int pauses = 0;

private:
  win32::Win32FileStore real_;
};

} // namespace velmora::testing
