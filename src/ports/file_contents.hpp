#pragma once

#include <string>

namespace velmora {

// A file read whole.
struct FileContents {
  enum class Status { Read, Missing, Failed };

  // Missing when there is no file of that name; Failed when there is one that cannot be read (a
  // directory, no permission, an error while reading).
  Status status = Status::Missing;
  std::string bytes; // the contents when read
};

} // namespace velmora
