#pragma once

#include "ports/library_info.hpp"

#include <string>
#include <utility>

namespace velmora::testing {

// The add-in library as the settings form sees it: a directory of the test's choosing (where
// Velmora.ini goes) and a version.
class FixedLibraryInfo final : public LibraryInfo {
public:
  FixedLibraryInfo(std::u16string directory, Version version)
      : directory_(std::move(directory)), version_(version) {}

  std::u16string directory() const override { return directory_; }
  Version version() const override { return version_; }

private:
  std::u16string directory_;
  Version version_;
};

} // namespace velmora::testing
