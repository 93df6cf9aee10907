#pragma once

#include "ports/file_store.hpp"

#include <windows.h>

namespace velmora::win32 {

// The settings files through the Win32 file functions.
//
// Reads open the file sharing reading, writing and deletion, so that they never block another
// process's replacement of it (the C runtime's fopen and the standard streams do not share
// deletion). A replacement is ReplaceFileW, which keeps the file's ACL and creation time; the
// attributes (hidden, system, archive) are put back afterwards as well, since not every
// implementation of it keeps them. A step counts as Busy when the file is open elsewhere without
// delete sharing (asked before the replacement is tried) or the system reports a sharing or lock
// violation; anything else is Refused. A read-only file is refused without trying, as the
// profile functions refuse to write one.
class Win32FileStore final : public FileStore {
public:
  FileContents read(const FilePath& path) const override;
  Outcome writeNew(const FilePath& path, std::string_view bytes) override;
  Outcome replace(const FilePath& target, const FilePath& replacement) override;
  bool overwrite(const FilePath& path, std::string_view bytes) override;
  void remove(const FilePath& path) override;
  void pause(std::uint32_t milliseconds) override { Sleep(milliseconds); }
};

} // namespace velmora::win32
