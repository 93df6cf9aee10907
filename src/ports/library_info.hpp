#pragma once

#include <string>

namespace velmora {

struct Version {
  int major = 0;
  int minor = 0;
};

// Facts about the loaded add-in library itself.
class LibraryInfo {
public:
  virtual ~LibraryInfo() = default;

  // The directory the library was loaded from, as the system spells it (no final separator
  // except for a drive root).
  virtual std::u16string directory() const = 0;
  virtual Version version() const = 0;
};

} // namespace velmora
