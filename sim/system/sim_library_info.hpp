#pragma once

#include "ports/library_info.hpp"

#include <string>

namespace velmora::sim {

// Where the test says the add-in library was loaded from, and its version. A final separator
// given with the directory is dropped, except for a drive root ("C:\").
class SimLibraryInfo final : public LibraryInfo {
public:
  explicit SimLibraryInfo(std::u16string directory = u"C:\\Velmora", Version version = {1, 0});

  std::u16string directory() const override { return directory_; }
  Version version() const override { return version_; }

  void setDirectory(std::u16string directory);
  void setVersion(Version version) { version_ = version; }

private:
  std::u16string directory_;
  Version version_;
};

} // namespace velmora::sim
