#include "settings/whole_file.hpp"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <random>

namespace velmora {

namespace fs = std::filesystem;

namespace {

// A name for the new file that no other writer (another thread or another process writing the
// same file at the same moment) picks.
std::string uniqueSuffix() {
  static std::atomic<std::uint64_t> counter{0};
  std::uint64_t seed =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  try {
    std::random_device device;
    seed ^= (static_cast<std::uint64_t>(device()) << 32) ^ device();
  } catch (const std::exception&) {
    // The clock and the counter alone keep the name unique within this process.
  }
  seed ^= ++counter * 0x9E3779B97F4A7C15ULL;
  static constexpr std::string_view digits = "0123456789abcdef";
  std::string suffix = ".";
  for (int shift = 60; shift >= 0; shift -= 4) {
    suffix += digits[(seed >> shift) & 0xF];
  }
  return suffix + ".tmp";
}

bool writeNewFile(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) {
    return false;
  }
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

} // namespace

WholeFile readWholeFile(const fs::path& path) {
  WholeFile file;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) {
    return file;
  }
  file.status = WholeFile::Status::Failed;
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
    file.status = WholeFile::Status::Read;
  }
  return file;
}

bool replaceWholeFile(const fs::path& path, std::string_view bytes) {
  std::error_code error;
  fs::path target = path;
  if (fs::is_symlink(fs::symlink_status(path, error))) {
    target = fs::canonical(path, error);
    if (error) {
      return false;
    }
  }
  const fs::file_status old = fs::status(target, error);
  const bool exists = fs::exists(old);
  if (exists && (!fs::is_regular_file(old) ||
                 (old.permissions() & fs::perms::owner_write) == fs::perms::none)) {
    return false;
  }

  fs::path fresh = target;
  fresh += uniqueSuffix();
  if (!writeNewFile(fresh, bytes)) {
    fs::remove(fresh, error);
    return false;
  }
  if (exists) {
    fs::permissions(fresh, old.permissions(), error);
  }
  fs::rename(fresh, target, error);
  if (error) {
    std::error_code ignored;
    fs::remove(fresh, ignored);
    return false;
  }
  return true;
}

} // namespace velmora
