#pragma once

#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::sim::vbide {

// vbide-sim.exe [--scenario FILE] [--addins FILE] [--timeout MS] [PROJECT.vbp]
struct ProgramOptions {
  std::wstring scenario;  // a scenario to play; none: the IDE runs until its window is closed
  std::wstring addinList; // the add-in list to read; default VBADDIN.INI in the Windows folder
  DWORD timeout = 10000;  // how long a step waits for the IDE or a window
  std::wstring project;   // a project file opened at start-up

  // The options of a command line (without the program's name); nothing (and a message in
  // `error`) for one it does not understand.
  static std::optional<ProgramOptions> parse(const std::vector<std::wstring>& arguments,
                                             std::string& error);
  static const char* usage();
};

} // namespace velmora::sim::vbide
