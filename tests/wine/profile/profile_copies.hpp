#pragma once

#include "services/win32_ansi_codec.hpp"
#include "services/win32_file_store.hpp"
#include "settings/settings_file.hpp"

#include <filesystem>
#include <string>

namespace velmora::testing {

// Two copies of one settings file in a fresh directory of the temp dir: the one that Wine's
// profile functions keep, and the one that our settings file keeps. All texts are the bytes the
// ANSI functions take and give (code page 932); our side gets them through the Win32 codec.
class ProfileCopies {
public:
  enum class Copy { Wines, Ours };

  // Both copies start as `initial`, or missing when `exists` is false.
  ProfileCopies(const std::string& initial, bool exists);
  ~ProfileCopies();
  ProfileCopies(const ProfileCopies&) = delete;
  ProfileCopies& operator=(const ProfileCopies&) = delete;

  // GetPrivateProfileStringA as the add-in calls it: default "", a zero-filled buffer of 256
  // bytes handed over as 255; the text up to the first NUL.
  std::string wineGet(Copy copy, const std::string& section, const std::string& key) const;
  bool winePut(const std::string& section, const std::string& key, const std::string& value);
  bool winePutSection(const std::string& section); // an empty key list
  // Makes Wine read its files afresh (it keeps recently used ones in memory).
  void wineForget() const;

  // IniGet on the copy; at a checkpoint, through a snapshot of it.
  std::string oursGet(Copy copy, const std::string& section, const std::string& key) const;
  std::string oursSnapshotGet(const SettingsSnapshot& snapshot, const std::string& section,
                              const std::string& key) const;
  SettingsSnapshot oursSnapshot(Copy copy) const;
  bool oursPut(const std::string& section, const std::string& key, const std::string& value);
  bool oursPutSection(const std::string& section);

  // The value as our copy stores it (trimmed, quotes kept), in ANSI bytes; empty when missing.
  std::string oursStored(const std::string& section, const std::string& key) const;

  bool exists(Copy copy) const;
  std::string bytes(Copy copy) const;

private:
  const SettingsFile& file(Copy copy) const { return copy == Copy::Ours ? ours_ : wines_; }

  win32::Win32AnsiCodec codec_;
  mutable win32::Win32FileStore files_;
  std::filesystem::path root_;
  std::string winePath_; // of Wine's copy, for the A functions
  std::string ourPath_;  // of our copy
  SettingsFile ours_;
  SettingsFile wines_; // our reader on Wine's copy
};

} // namespace velmora::testing
