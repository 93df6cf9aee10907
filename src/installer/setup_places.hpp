#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Where the installer looks, as the system names the places (full paths, backslashes).
class SetupPlaces {
public:
  virtual ~SetupPlaces() = default;

  // The Windows directory, where the profile functions find a file named without a directory.
  virtual std::u16string windowsDirectory() const = 0;
  // The user's local application data folder; nothing when the system cannot name it.
  virtual std::optional<std::u16string> localAppData() const = 0;
  // Whether a file (not a directory) of that path exists.
  virtual bool fileExists(std::u16string_view path) const = 0;
};

} // namespace velmora
