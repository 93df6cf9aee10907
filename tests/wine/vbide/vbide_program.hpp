#pragma once

#include "common/program_folder.hpp"
#include "common/temp_directory.hpp"

#include <string>
#include <windows.h>

// Runs vbide-sim.exe as a user would, from the folder of this test program (bin/), and gives
// back what it printed.
namespace velmora::test {

struct ProgramRun {
  DWORD exitCode = 0;
  bool timedOut = false;
  std::string output; // UTF-8, as printed
};

// The example project of the sources, as a path the prefix can open.
std::wstring exampleProject();

// Runs vbide-sim.exe with the scenario `text` (UTF-8) and the add-in list `addins` (the lines
// of [Add-Ins32]); `extra` is added to its command line. Bounded by `limit` milliseconds, after
// which the program is ended and the run counts as timed out.
ProgramRun runScenario(const testing::TempDirectory& folder, const std::string& text,
                       const std::string& addins, const std::wstring& extra = L"",
                       DWORD limit = 60000);
// Runs a command line and collects its standard output and error.
ProgramRun runCommand(const std::wstring& commandLine, DWORD limit);

// The probe add-in (ProbeAddin.dll beside this program) registered as "VbideSim.ProbeAddin"
// for the object's lifetime.
class ProbeRegistration {
public:
  ProbeRegistration();
  ~ProbeRegistration();
  ProbeRegistration(const ProbeRegistration&) = delete;
  ProbeRegistration& operator=(const ProbeRegistration&) = delete;
};

} // namespace velmora::test
