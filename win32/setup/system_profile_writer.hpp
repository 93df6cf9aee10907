#pragma once

#include "installer/profile_writer.hpp"

#include <string>
#include <string_view>
#include <windows.h>

namespace velmora::win32 {

// Profile writes through the system's ANSI profile function. A file name without a directory
// resolves to the Windows directory.
class SystemProfileWriter final : public ProfileWriter {
public:
  bool write(std::string_view file, std::string_view section, std::string_view key,
             std::string_view value) override {
    const std::string fileName(file);
    const std::string sectionName(section);
    const std::string keyName(key);
    const std::string text(value);
    // The function's result says whether the value reached the file: a read-only file or a
    // directory that cannot be written make it fail (the reason is in GetLastError).
    SetLastError(ERROR_SUCCESS);
    return WritePrivateProfileStringA(sectionName.c_str(), keyName.c_str(), text.c_str(),
                                      fileName.c_str()) != FALSE;
  }
};

} // namespace velmora::win32
