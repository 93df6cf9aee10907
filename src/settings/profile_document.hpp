#pragma once

#include "ports/ansi_codec.hpp"
#include "settings/profile_encoding.hpp"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// One line of a profile file: its bytes as read, its line end, and what it says. The bytes point
// into storage that the document keeps alive and never changes, so lines stay valid in copies of
// the document.
struct ProfileLine {
  enum class Kind : std::uint8_t { Blank, Section, Entry };
  enum class End : std::uint8_t { None, CrLf, Lf, Cr }; // None: a last line without one

  Kind kind = Kind::Blank;
  End end = End::None;
  bool hasValue = false; // an entry line holding an '='
  bool asciiName = true; // an entry's name is ASCII, so its bytes are its characters
  // The number of the section the line is in, a header's its own (see sectionNames); 0 for the
  // lines above the first header.
  std::uint32_t section = 0;
  std::string_view bytes; // the line without its end
  // An entry's name and value within `bytes`, trimmed, the value's quotes kept.
  std::uint32_t nameStart = 0;
  std::uint32_t nameSize = 0;
  std::uint32_t valueStart = 0;
  std::uint32_t valueSize = 0;

  std::string_view nameBytes() const { return bytes.substr(nameStart, nameSize); }
  std::string_view valueBytes() const { return bytes.substr(valueStart, valueSize); }
};

// A key and its value, for writing a whole section at once.
struct ProfileEntry {
  std::u16string key;
  std::u16string value;
};

// The contents of a profile (INI) file, read and changed the way the Windows profile functions
// read and change it, and written back with every line that was not changed kept byte for byte.
//
// Reading: lines end at CR LF, LF or CR. A line whose first non-blank character is '[' and that
// holds a ']' names a section (the text up to the last ']', trimmed). Any other non-blank line is
// an entry of the section above it: name and value are the trimmed text before and after the
// first '='; a line without '=' is an entry without a value, which reads as missing. Comment
// lines (';') get no special treatment, as in the profile functions: they are entries whose name
// starts with ';'. Only the first section of a name is searched, written and cleared, and in it
// the first entry of a name; later sections of that name are left as they are. The lines above
// the first header form a section without a name, which only a lookup of the empty section name
// finds (and which is never written or cleared).
//
// Text: a file starting with the UTF-16LE byte-order mark is read and written as UTF-16, one
// starting with the UTF-8 mark as UTF-8 (see ProfileEncoding); any other file is in the ANSI code
// page of the codec. A UTF-16 file is held as UTF-8 text in memory and turned back into the same
// units when written. Lines are split on the bytes CR and LF, which are never part of a
// double-byte character in the ANSI code pages; pure-ASCII text is decoded without the codec,
// since those code pages are ASCII supersets. Entry names and values are decoded only when asked
// for, and an ASCII name is compared without being decoded at all, so that reading a file costs
// little more than finding its lines.
class ProfileDocument {
public:
  // The document of a file that does not exist yet.
  explicit ProfileDocument(const AnsiCodec& codec);

  static ProfileDocument parse(std::string bytes, const AnsiCodec& codec);

  const std::vector<ProfileLine>& lines() const { return lines_; }
  // The sections' names by number, in file order: number 0, the lines above the first header,
  // has the empty name.
  const std::vector<std::u16string>& sectionNames() const { return sections_; }

  // The decoded value and name of an entry line of this document.
  std::u16string value(const ProfileLine& line) const;
  std::u16string name(const ProfileLine& line) const;

  // Whether an entry line of this document has that name (trimmed, compared as names are).
  bool hasName(const ProfileLine& line, std::u16string_view name) const;

  // The stored value of the key (trimmed, quotes kept); nothing when the section or the key is
  // missing or the key's line has no '='. Names are trimmed and compared without ASCII case.
  std::optional<std::u16string> find(std::u16string_view section, std::u16string_view key) const;

  // key=value in the section, replacing the value of an existing key (its line keeps its name
  // as spelt in the file), else adding the key after the section's last non-blank line, else
  // adding the section at the end of the file. Names and value end at a NUL, as C strings do.
  // Refuses (false, nothing changed) a blank section or key name, a key that starts with '['
  // or holds '=', and any line break in the three texts: such text cannot be stored as one line
  // and would read back as other keys.
  bool set(std::u16string_view section, std::u16string_view key, std::u16string_view value);

  // What clearSection followed by set for every entry in order does, in one pass over the
  // document however many entries there are: the first section of that name (added at the end
  // when missing) holds the entries, in order, right below its header. A key given twice keeps
  // its first place and its last value. Refuses (false) what set refuses; the document is then
  // left half changed, to be dropped.
  bool replaceSection(std::u16string_view section, const std::vector<ProfileEntry>& entries);

  // Removes every line of the first section of that name but its header (blank lines at the
  // end of the section stay, to keep the layout); later sections of that name keep theirs. A
  // missing section is left missing, a blank name does nothing.
  void clearSection(std::u16string_view section);

  // True once set or clearSection changed something.
  bool changed() const { return changed_; }

  ProfileEncoding encoding() const { return encoding_; }

  // The file's bytes, in the encoding it was read in.
  std::string bytes() const;

private:
  std::size_t findSection(std::u16string_view name) const;
  std::size_t bodyEnd(std::size_t first) const; // the next header at or after `first`
  std::size_t lastNonBlank(std::size_t header, std::size_t end) const;
  void giveLineEnd(std::size_t index);
  // A line of bytes that the document keeps, and what it says.
  ProfileLine makeLine(std::string_view bytes, std::uint32_t section);
  ProfileLine makeOwnLine(std::string bytes, std::uint32_t section);
  std::size_t addSection(std::u16string_view name);

  const AnsiCodec* codec_;
  // The text after the byte-order mark, and the lines changes made; shared by copies.
  std::vector<std::shared_ptr<const std::string>> storage_;
  ProfileEncoding encoding_ = ProfileEncoding::Ansi;
  std::vector<ProfileLine> lines_;
  std::vector<std::u16string> sections_{std::u16string()};
  bool changed_ = false;
};

} // namespace velmora
