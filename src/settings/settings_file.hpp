#pragma once

#include "ports/ansi_codec.hpp"
#include "ports/file_store.hpp"
#include "settings/profile_document.hpp"
#include "settings/profile_file.hpp"
#include "settings/settings_reader.hpp"
#include "settings/settings_snapshot.hpp"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The add-in's settings file, "Velmora.ini" in the library's directory, and the three
// operations through which everything reads and writes it. Text on disk is in the system's
// ANSI code page (the codec), or UTF-16 in a file saved so (see ProfileDocument); names are
// case-insensitive; a write replaces the file whole (see replaceWholeFile).
class SettingsFile : public SettingsReader {
public:
  // `libraryDirectory` as the system spells it (backslashes, no trailing one except at a drive
  // root). The codec and the store must outlive the object.
  SettingsFile(std::u16string_view libraryDirectory, const AnsiCodec& codec, FileStore& store);

  // The path as Windows spells it, and as a path of the running system.
  const std::u16string& windowsPath() const { return windowsPath_; }
  const FilePath& path() const { return profile_.path(); }

  // One parse of the file per call.
  std::u16string IniGet(std::u16string_view section, std::u16string_view key) const override;

  // key=value into the section, creating the file, the section or the key as needed. True
  // when the value is in the file afterwards; false when the write failed (read-only file,
  // missing directory, a file that cannot be read, a file another program kept open) or the
  // text cannot be stored in one line (a line break in it, a blank name). A failed write leaves
  // the file as it was.
  bool IniPut(std::u16string_view section, std::u16string_view key, std::u16string_view value);

  // Removes every key of the section; its header stays. True when done (or nothing to do).
  bool IniPutSection(std::u16string_view section);

  // The file parsed once, for reading many keys. When the file holds the bytes it held at the
  // last snapshot, that snapshot is handed out again without a parse: the settings file is read
  // at every activation of the IDE and seldom changes.
  SettingsSnapshot snapshot() const;

  // Several IniPut / IniPutSection steps in one replacement of the file: `edit` works on the
  // document (set, clearSection) and returns false to give up. Either every change reaches the
  // file or none does.
  bool update(const std::function<bool(ProfileDocument&)>& edit);

private:
  struct LastRead {
    std::string bytes;
    SettingsSnapshot snapshot;
  };

  std::u16string windowsPath_;
  ProfileFile profile_;
  mutable std::optional<LastRead> lastRead_;
};

} // namespace velmora
