#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

// Reading a file whole and replacing it whole.

struct WholeFile {
  enum class Status { Read, Missing, Failed };

  Status status = Status::Missing;
  std::string bytes; // the contents when read
};

// The file's bytes; Missing when there is no file of that name, Failed when there is one that
// cannot be read (a directory, no permission, an error while reading).
WholeFile readWholeFile(const std::filesystem::path& path);

// Replaces (or creates) the file with `bytes` so that no reader ever sees a part of it: the
// bytes go to a new file beside it, which is then renamed over it. Fails, leaving the file as it
// was and no new file behind, when the directory is missing or not writable, when the file is
// read-only (as the profile functions refuse to write one), or on any error on the way. A link
// is followed: the file it points to is replaced. The new file gets the old one's permissions.
// The data are not forced to the disk: a crash of the program cannot tear the file, a power
// failure right after the rename may still lose the new contents on some file systems.
bool replaceWholeFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace velmora
