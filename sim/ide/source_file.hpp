#pragma once

#include "ports/ansi_codec.hpp"
#include "sim/ide/source_codec.hpp"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sim {

// A line of a source file that the code window does not show although it stands among the
// code: a member attribute such as `Attribute Item.VB_UserMemId = 0` below a procedure header.
struct HiddenLine {
  std::string bytes;          // as on disk, without the line break
  std::int32_t afterLine = 0; // the code line it follows (0: before the first)
};

// A module's source file (.bas, .cls, .frm), split into what the code window shows and what
// it does not.
//
// The header is what precedes the first code line: for forms and classes the VERSION line,
// `Object = ...` lines and the BEGIN ... END block (with its nested Begin/BeginProperty
// blocks), then the `Attribute` lines, of which `Attribute VB_Name = "..."` names the
// component. It is kept as raw bytes, so it is written back byte for byte. The code lines are
// written back in the file's encoding with the line break the code part used first (a file
// mixing line breaks in its code comes back with that one throughout), and with a final line
// break when the file had one.
struct SourceText {
  std::u16string name;
  std::int32_t type = 1;
  bool byteOrderMark = false;
  std::string header;
  std::string lineBreak = "\r\n";
  bool finalLineBreak = true;
  SourceCodec codec;
  std::vector<std::u16string> codeLines;
  std::vector<HiddenLine> hiddenLines; // in file order
};

// The component type of a source file by its extension: .bas 1, .cls 2, .frm 5 (in any case).
// Raises Error for any other.
std::int32_t componentTypeOf(const std::filesystem::path& file);

// Splits a source file. `fallbackName` names the component when the file has no VB_Name.
// Bytes that are not UTF-8 are decoded with `ansi`; without it they raise Error.
SourceText parseSource(std::string_view bytes, std::int32_t type, std::u16string_view fallbackName,
                       std::shared_ptr<const AnsiCodec> ansi = nullptr);

// The file again, with `codeLines` as its code.
std::string renderSource(const SourceText& source, const std::vector<std::u16string>& codeLines);
inline std::string renderSource(const SourceText& source) {
  return renderSource(source, source.codeLines);
}

// Reads and splits a source file; its type comes from its extension, the fallback name from
// its file name.
SourceText readSourceFile(const std::filesystem::path& file,
                          std::shared_ptr<const AnsiCodec> ansi = nullptr);

} // namespace velmora::sim
