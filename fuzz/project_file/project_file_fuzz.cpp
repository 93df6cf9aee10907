#include "fuzz_input.hpp"
#include "sim/ide/file_bytes.hpp"
#include "sim/ide/project_loader.hpp"
#include "sim/ide/vbp_file.hpp"
#include "support/error.hpp"

#include <cstdint>
#include <filesystem>
#include <string>

// A project file (.vbp) as the in-memory IDE loads it, beside a few module files, a directory
// named like one and a subdirectory. Loading either gives the modules the file lists or fails
// with the project's error; nothing else escapes, and no file is read under another name.
//
// Input: the project file's bytes.
namespace velmora::fuzz {
namespace {

namespace fs = std::filesystem;

const fs::path& directory() {
  static const fs::path made = [] {
    fs::path dir = scratchDirectory();
    fs::create_directories(dir / "sub");
    fs::create_directories(dir / "d.bas");
    sim::writeFileBytes(dir / "a.bas", "Attribute VB_Name = \"basA\"\r\nPublic x As Long\r\n");
    sim::writeFileBytes(dir / "b.cls", "VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1\r\nEND\r\n"
                                       "Attribute VB_Name = \"clsB\"\r\nPrivate y As Long\r\n");
    sim::writeFileBytes(dir / "sub" / "c.bas", "Attribute VB_Name = \"basC\"\r\n");
    sim::writeFileBytes(dir / "f.frm", "VERSION 5.00\r\nBegin VB.Form frmF\r\nEnd\r\n"
                                       "Attribute VB_Name = \"frmF\"\r\n");
    return dir;
  }();
  return made;
}

} // namespace

void checkInput(FuzzInput& input) {
  const fs::path vbp = directory() / "P.vbp";
  sim::writeFileBytes(vbp, input.rest());
  sim::LoadedProject loaded;
  try {
    loaded = sim::loadVbp(vbp, codePage932());
  } catch (const Error&) {
    return;
  }
  const sim::VbpFile listed = sim::readVbp(vbp, codePage932());
  require(loaded.components.size() == listed.files.size(), "not every listed module was loaded");
  for (std::size_t i = 0; i < listed.files.size(); ++i) {
    const fs::path& file = loaded.components[i].file;
    require(file == listed.files[i], "a module came from another file than listed");
    require(file.native().find('\0') == std::string::npos, "a module was read through a NUL");
    require(fs::is_regular_file(file), "a module was read from no file");
  }
}

} // namespace velmora::fuzz
