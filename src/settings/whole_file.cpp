#include "settings/whole_file.hpp"

#include <string>
#include <string_view>

namespace velmora {

namespace {

using Outcome = FileStore::Outcome;

// Runs `step` until it is no longer Busy or the pauses are used up; the pauses are shared by all
// the steps of one replacement.
template <typename Step> Outcome patiently(FileStore& store, int& pauses, Step step) {
  Outcome outcome = step();
  while (outcome == Outcome::Busy && pauses < kBusyPauses) {
    store.pause(kBusyPause);
    ++pauses;
    outcome = step();
  }
  return outcome;
}

} // namespace

FilePath besidePath(const FilePath& path) {
  // In the path's own characters: a narrow text would go through the locale's conversions.
  std::basic_string<FilePath::value_type> suffix;
  for (const char c : std::string_view(".new")) {
    suffix += static_cast<FilePath::value_type>(c);
  }
  FilePath beside = path;
  beside += suffix;
  return beside;
}

bool replaceWholeFile(FileStore& store, const FilePath& path, std::string_view bytes) {
  const FilePath beside = besidePath(path);
  int pauses = 0;
  const Outcome written = patiently(store, pauses, [&] { return store.writeNew(beside, bytes); });
  if (written == Outcome::Busy) {
    // Another writer's new file, still open: it is not ours to remove.
    return false;
  }
  if (written == Outcome::Refused) {
    store.remove(beside);
    return store.overwrite(path, bytes);
  }
  switch (patiently(store, pauses, [&] { return store.replace(path, beside); })) {
  case Outcome::Done:
    return true;
  case Outcome::Busy:
    store.remove(beside);
    return false;
  case Outcome::Refused:
    break;
  }
  store.remove(beside);
  return store.overwrite(path, bytes);
}

} // namespace velmora
