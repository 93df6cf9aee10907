#pragma once

#include "installer/profile_files.hpp"

#include <string>
#include <string_view>
#include <windows.h>

namespace velmora::win32 {

// Profile files through the system's profile functions, by full path. The wide functions take
// any path the user's folders have; the file itself keeps the encoding it has (a new one is
// written in the ANSI code page, as the ANSI functions write it).
class SystemProfileFiles final : public ProfileFiles {
public:
  bool write(std::u16string_view file, std::u16string_view section, std::u16string_view key,
             std::u16string_view value) override {
    // The result says whether the system accepted the write: a read-only file or a directory
    // that cannot be written make it fail.
    return WritePrivateProfileStringW(wide(section).c_str(), wide(key).c_str(), wide(value).c_str(),
                                      wide(file).c_str()) != FALSE;
  }

  std::u16string read(std::u16string_view file, std::u16string_view section,
                      std::u16string_view key) const override {
    wchar_t value[256] = {};
    const DWORD length = GetPrivateProfileStringW(wide(section).c_str(), wide(key).c_str(), L"",
                                                  value, 256, wide(file).c_str());
    return {value, value + length};
  }

private:
  static std::wstring wide(std::u16string_view text) { return {text.begin(), text.end()}; }
};

} // namespace velmora::win32
