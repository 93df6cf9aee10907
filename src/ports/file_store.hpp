#pragma once

#include "ports/file_contents.hpp"
#include "ports/file_path.hpp"

#include <cstdint>
#include <string_view>

namespace velmora {

// The files the add-in keeps its settings in, as the system lets it reach them: the steps from
// which a whole file is read and replaced (settings/whole_file.hpp puts them together). Paths are
// paths of the running system.
class FileStore {
public:
  enum class Outcome {
    Done,
    // Another process has the file open in a way that forbids the step for now (an antivirus
    // scanner, an indexer, a second IDE reading it without delete sharing); it may let go.
    Busy,
    // Refused for a reason that waiting does not cure (no right to the folder, a read-only
    // file, a missing folder).
    Refused,
  };

  virtual ~FileStore() = default;

  // The file's bytes. The file is opened so that no other process's replacement of it is
  // blocked while it is read.
  virtual FileContents read(const FilePath& path) const = 0;

  // Writes `bytes` into a new file `path`, which takes the place of a leftover of that name. Busy
  // while another writer has that name open. On Refused a part of the file may be left.
  virtual Outcome writeNew(const FilePath& path, std::string_view bytes) = 0;

  // Puts `replacement` in the place of `target` in one step, so that a reader sees either file
  // whole: the target keeps its attributes (hidden stays hidden) and its permissions. A missing
  // target is created by renaming the replacement. Refuses a read-only target. Unless Done, the
  // replacement is left where it was and the target as it was (or, when the system failed half
  // way, missing).
  virtual Outcome replace(const FilePath& target, const FilePath& replacement) = 0;

  // Writes `bytes` over the file where it is, creating it when missing and keeping its
  // attributes, as the system's profile functions write: a reader may see it half written. False
  // for a read-only file and on any failure.
  virtual bool overwrite(const FilePath& path, std::string_view bytes) = 0;

  // Removes the file, when it is there and can be removed.
  virtual void remove(const FilePath& path) = 0;

  // Waits before the next attempt of a step that found the file busy.
  virtual void pause(std::uint32_t milliseconds) = 0;
};

} // namespace velmora
