#pragma once

#include "ports/file_store.hpp"

#include <cstdint>
#include <filesystem>
#include <limits>
#include <map>
#include <set>

namespace velmora::sim {

// The machine's own files, reached the way the Windows side reaches its own: a read-only file
// (no write permission for its owner) is refused, a replacement renames the new file over the
// old one with the old one's permissions. A test can also play another process that holds a file
// open without delete sharing, and a system that refuses a step. Pauses take no time: the store
// adds them up.
class SimFileStore final : public FileStore {
public:
  enum class Step {
    WriteNew,       // refused after a part of the new file was written
    Replace,        // refused, both files left as they were
    ReplaceHalfway, // refused after the old file was removed, the new one left beside it
    Overwrite,      // refused, the file left as it was
  };

  static constexpr std::uint64_t kForever = std::numeric_limits<std::uint64_t>::max();

  FileContents read(const std::filesystem::path& path) const override;
  Outcome writeNew(const std::filesystem::path& path, std::string_view bytes) override;
  Outcome replace(const std::filesystem::path& target,
                  const std::filesystem::path& replacement) override;
  bool overwrite(const std::filesystem::path& path, std::string_view bytes) override;
  void remove(const std::filesystem::path& path) override;
  void pause(std::uint32_t milliseconds) override { paused_ += milliseconds; }

  // Another process opens the file (sharing reading and writing, not deletion) and lets go
  // once the store has paused `milliseconds` more: until then replacing it, or writing a new
  // file of that name, is Busy. Reading and writing it in place go on.
  void hold(const std::filesystem::path& path, std::uint64_t milliseconds = kForever);
  // From now on the system refuses every such step, or no longer does.
  void refuse(Step step) { refused_.insert(step); }
  void allow(Step step) { refused_.erase(step); }

  // Milliseconds paused so far.
  std::uint64_t paused() const { return paused_; }
  // Steps asked for so far, refused and busy ones included.
  int replacements() const { return replacements_; }
  int overwrites() const { return overwrites_; }

private:
  bool held(const std::filesystem::path& path) const;
  bool refuses(Step step) const { return refused_.count(step) != 0; }

  std::map<std::filesystem::path, std::uint64_t> holds_; // released when paused_ reaches it
  std::set<Step> refused_;
  std::uint64_t paused_ = 0;
  int replacements_ = 0;
  int overwrites_ = 0;
};

} // namespace velmora::sim
