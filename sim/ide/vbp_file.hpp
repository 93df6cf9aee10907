#pragma once

#include "sim/ide/ansi_code_page.hpp"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sim {

// What a project file (.vbp) says about the project: its name and its module files
// (`Module=Name; file.bas`, `Class=Name; file.cls`, `Form=file.frm`, `UserControl=file.ctl`,
// `PropertyPage=file.pag`, `UserDocument=file.dob`) in the order it lists them. Other entries
// (references, designers, resource files) are left out.
struct VbpFile {
  std::u16string name;
  std::vector<std::filesystem::path> files;
};

// `directory` is where the file's relative paths start from; Windows backslashes are taken
// as directory separators.
VbpFile parseVbp(std::u16string_view text, const std::filesystem::path& directory);
// Reads a project file (UTF-8, or the ANSI code page through `ansi`).
VbpFile readVbp(const std::filesystem::path& file, const AnsiCodePage& ansi = {});

} // namespace velmora::sim
