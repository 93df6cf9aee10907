#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Values of profile (INI) files named by their full paths, read and written through the system's
// profile functions: what is missing (the file, the section, the key) is created, and a file
// keeps the encoding it has.
class ProfileFiles {
public:
  virtual ~ProfileFiles() = default;

  // True when the system accepted the write; false when it refused it (a read-only file, a
  // directory that cannot be written). May also throw when the write cannot be attempted.
  virtual bool write(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) = 0;
  // The value as the file now holds it; "" when the file, the section or the key is missing.
  virtual std::u16string read(std::u16string_view file, std::u16string_view section,
                              std::u16string_view key) const = 0;
};

} // namespace velmora
