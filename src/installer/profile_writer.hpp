#pragma once

#include <string_view>

namespace velmora {

// Writes one value into a profile (INI) file, as the system's profile functions do: a file
// name without a directory resolves to the Windows directory, and what is missing (the file,
// the section, the key) is created. Texts are in the system's ANSI code page.
class ProfileWriter {
public:
  virtual ~ProfileWriter() = default;

  // True when the system accepted the write; false when it refused it (a read-only file, a
  // directory that cannot be written). May also throw when the write cannot be attempted.
  virtual bool write(std::string_view file, std::string_view section, std::string_view key,
                     std::string_view value) = 0;
};

} // namespace velmora
