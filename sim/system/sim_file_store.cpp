#include "sim/system/sim_file_store.hpp"

#include <array>
#include <fstream>

namespace velmora::sim {

namespace fs = std::filesystem;

namespace {

// An existing file that the profile functions would not write: not a plain file, or read-only.
bool unwritable(const fs::file_status& status) {
  return fs::exists(status) && (!fs::is_regular_file(status) ||
                                (status.permissions() & fs::perms::owner_write) == fs::perms::none);
}

bool writeFile(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) {
    return false;
  }
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

fs::path key(const fs::path& path) {
  return path.lexically_normal();
}

} // namespace

FileContents SimFileStore::read(const fs::path& path) const {
  FileContents file;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) {
    return file;
  }
  file.status = FileContents::Status::Failed;
  if (error || !fs::is_regular_file(status)) {
    return file;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return file;
  }
  std::array<char, 16384> buffer{};
  while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
    file.bytes.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
  }
  if (!in.bad()) {
    file.status = FileContents::Status::Read;
  }
  return file;
}

FileStore::Outcome SimFileStore::writeNew(const fs::path& path, std::string_view bytes) {
  if (held(path)) {
    return Outcome::Busy;
  }
  if (refuses(Step::WriteNew)) {
    writeFile(path, bytes.substr(0, bytes.size() / 2));
    return Outcome::Refused;
  }
  std::error_code error;
  if (unwritable(fs::status(path, error))) {
    return Outcome::Refused;
  }
  return writeFile(path, bytes) ? Outcome::Done : Outcome::Refused;
}

FileStore::Outcome SimFileStore::replace(const fs::path& target, const fs::path& replacement) {
  ++replacements_;
  if (held(target) || held(replacement)) {
    return Outcome::Busy;
  }
  if (refuses(Step::Replace)) {
    return Outcome::Refused;
  }
  std::error_code error;
  // A link is followed: the file it points to is replaced.
  fs::path place = target;
  if (fs::is_symlink(fs::symlink_status(target, error))) {
    place = fs::canonical(target, error);
    if (error) {
      return Outcome::Refused;
    }
  }
  const fs::file_status old = fs::status(place, error);
  if (unwritable(old)) {
    return Outcome::Refused;
  }
  if (refuses(Step::ReplaceHalfway)) {
    fs::remove(place, error);
    return Outcome::Refused;
  }
  if (fs::exists(old)) {
    fs::permissions(replacement, old.permissions(), error);
  }
  fs::rename(replacement, place, error);
  return error ? Outcome::Refused : Outcome::Done;
}

bool SimFileStore::overwrite(const fs::path& path, std::string_view bytes) {
  ++overwrites_;
  std::error_code error;
  if (refuses(Step::Overwrite) || unwritable(fs::status(path, error))) {
    return false;
  }
  return writeFile(path, bytes);
}

void SimFileStore::remove(const fs::path& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

void SimFileStore::hold(const fs::path& path, std::uint64_t milliseconds) {
  holds_[key(path)] = milliseconds == kForever ? kForever : paused_ + milliseconds;
}

bool SimFileStore::held(const fs::path& path) const {
  const auto found = holds_.find(key(path));
  return found != holds_.end() && paused_ < found->second;
}

} // namespace velmora::sim
