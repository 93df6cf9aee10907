#pragma once

#include "ports/ansi_codec.hpp"
#include "ports/file_path.hpp"
#include "ports/file_store.hpp"
#include "settings/profile_document.hpp"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// A profile (INI) file on disk with the observable behaviour of the Windows ANSI profile
// functions: missing file, section or key read as missing; writes create what is missing and
// replace an existing value; names are case-insensitive; values come back trimmed and without
// enclosing quotes, cut to the buffer size less one byte. Unlike those functions it parses the
// file once per call, keeps every line it does not change byte for byte, and replaces the file
// whole (see replaceWholeFile), so that a crash never leaves a torn file.
class ProfileFile {
public:
  // The codec and the store must outlive the object.
  ProfileFile(FilePath path, const AnsiCodec& codec, FileStore& store);

  const FilePath& path() const { return path_; }
  const AnsiCodec& codec() const { return *codec_; }

  // The file's bytes, as the store reads them.
  FileContents read() const;
  // The parsed file: empty when it does not exist, nothing when it cannot be read.
  std::optional<ProfileDocument> load() const;

  // GetPrivateProfileStringA with a buffer of `bufferSize` bytes: the value, unquoted and cut
  // to at most bufferSize - 1 ANSI bytes between characters; nothing when the file, the
  // section or the key is missing or the file cannot be read.
  std::optional<std::u16string> getString(std::u16string_view section, std::u16string_view key,
                                          std::size_t bufferSize) const;

  // WritePrivateProfileStringA: true when the value is in the file afterwards.
  bool writeString(std::u16string_view section, std::u16string_view key, std::u16string_view value);

  // WritePrivateProfileSectionA with an empty key list: the section keeps its header and loses
  // its keys. A missing file or section is left as it is (and that counts as success).
  bool clearSection(std::u16string_view section);

  // Applies several changes with one read and one write: `edit` changes the document and
  // returns false to give up. The file is written only when something changed. False when the
  // file cannot be read (it is then never overwritten), when `edit` gives up, or when writing
  // fails.
  bool update(const std::function<bool(ProfileDocument&)>& edit);

private:
  FilePath path_;
  const AnsiCodec* codec_;
  FileStore* store_;
};

} // namespace velmora
