#pragma once

#include "host/vb_component.hpp"
#include "sim/ide/ansi_code_page.hpp"
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

// Component kinds of the files the loader reads, as the IDE numbers them.
inline constexpr auto kStdModuleKind = static_cast<std::int32_t>(ComponentType::StdModule);
inline constexpr auto kClassModuleKind = static_cast<std::int32_t>(ComponentType::ClassModule);
inline constexpr auto kFormKind = static_cast<std::int32_t>(ComponentType::Form);
inline constexpr auto kMdiFormKind = static_cast<std::int32_t>(ComponentType::MdiForm);
inline constexpr auto kPropertyPageKind = static_cast<std::int32_t>(ComponentType::PropertyPage);
inline constexpr auto kUserControlKind = static_cast<std::int32_t>(ComponentType::UserControl);
inline constexpr auto kUserDocumentKind = static_cast<std::int32_t>(ComponentType::UserDocument);

// A module's source file (.bas, .cls, .frm, .ctl, .pag, .dob), split into what the code window
// shows and what it does not.
//
// The header is what precedes the first code line: for forms, classes, user controls, property
// pages and user documents the VERSION line, `Object = ...` lines and the BEGIN ... END block
// (with its nested Begin/BeginProperty blocks), then the `Attribute` lines, of which
// `Attribute VB_Name = "..."` names the component. It is kept as raw bytes, so it is written
// back byte for byte. (Binary companions such as .frx and .ctx are never read.) The code lines
// are written back in the file's encoding with the line break the code part used first (a file
// mixing line breaks in its code comes back with that one throughout once edited), and with a
// final line break when the file had one.
struct SourceText {
  std::u16string name;
  std::int32_t type = kStdModuleKind;
  bool byteOrderMark = false;
  std::string header;
  std::string lineBreak = "\r\n";
  bool finalLineBreak = true;
  SourceCodec codec;
  std::vector<std::u16string> codeLines;
  std::vector<HiddenLine> hiddenLines; // in file order
  std::string original;                // the file as it was read
};

// The component type of a source file by its extension (in any case): .bas 1, .cls 2, .frm 5,
// .pag 7, .ctl 8, .dob 9. Raises Error for any other.
std::int32_t componentTypeOf(const std::filesystem::path& file);

// Splits a source file. `fileName` names the file in messages, and its stem names the
// component when the file has no VB_Name. A form whose block is an MDI form's gets type 6.
// Bytes that are not UTF-8 are decoded in the ANSI code page `ansi`; without one, or when they
// would not come back byte for byte, they raise Error. So does a BEGIN block that the file
// never closes (a cut-off form), which would swallow the code below it.
SourceText parseSource(std::string_view bytes, std::int32_t type, std::u16string_view fileName,
                       const AnsiCodePage& ansi = {});

// The file again, with `codeLines` as its code.
std::string renderSource(const SourceText& source, const std::vector<std::u16string>& codeLines);
inline std::string renderSource(const SourceText& source) {
  return renderSource(source, source.codeLines);
}

// Reads and splits a source file; its type comes from its extension.
SourceText readSourceFile(const std::filesystem::path& file, const AnsiCodePage& ansi = {});

} // namespace velmora::sim
