#pragma once

#include "ports/file_path.hpp"
#include "ports/file_store.hpp"

#include <cstdint>
#include <string_view>

namespace velmora {

// Replacing a settings file whole.

// How long a replacement waits for another process to let go of the file: this runs on the IDE's
// user-interface thread, so about half a second in all, in short pauses.
inline constexpr std::uint32_t kBusyPause = 50;
inline constexpr int kBusyPauses = 10;

// The new contents' file beside `path`, put in its place by replaceWholeFile. One name per file,
// so that a leftover (the IDE ended between the two steps) is reused by the next replacement.
FilePath besidePath(const FilePath& path);

// Replaces (or creates) the file with `bytes` so that no reader ever sees a part of it: the bytes
// go to a new file beside it, which then takes its place, keeping its attributes. While another
// process holds the file the replacement waits and tries again (kBusyPauses pauses of
// kBusyPause); when it still holds it, nothing is written and the result is false. When the
// system refuses the new file or the replacement for a reason waiting does not cure (a folder
// the user may not write), the file is written in place instead, as the system's profile
// functions write it. No file beside it is left behind on any path. True when the file holds
// `bytes` afterwards.
bool replaceWholeFile(FileStore& store, const FilePath& path, std::string_view bytes);

} // namespace velmora
