#pragma once

#include "ports/library_info.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::win32 {

// The module that holds this code (the add-in library when it is linked into one, else the
// program), found from the address of its own code rather than taken to be the host program:
// its directory and the version of its version resource, both read once when made. A module
// without a readable version resource reports `fallback`. Throws HostError when the system
// cannot name the module's file.
class Win32LibraryInfo final : public LibraryInfo {
public:
  explicit Win32LibraryInfo(Version fallback = {});

  std::u16string directory() const override { return directory_; }
  Version version() const override { return version_; }

private:
  std::u16string directory_;
  Version version_;
};

// The directory of a module's full path as the system spells it: the path without its last
// backslash and the file name after it, except that a drive root keeps its backslash ("C:\").
// A path without a backslash has no directory ("").
std::u16string moduleDirectory(std::u16string_view modulePath);

// Major and minor of the file version in the version resource of the file at `path` (the first
// two parts of its FILEVERSION); nothing when the file has no readable version resource.
std::optional<Version> fileVersion(const std::wstring& path);

} // namespace velmora::win32
