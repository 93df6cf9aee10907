#pragma once

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

// The folder of this test program, with a final backslash.
std::wstring programFolder();
// The example project of the sources, as a path the prefix can open.
std::wstring exampleProject();

// A fresh folder for one test, removed with its files when the object goes.
class ScratchFolder {
public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::wstring& path() const { return path_; }
  // Writes `bytes` into the file `name` of the folder; its full path.
  std::wstring write(const std::wstring& name, const std::string& bytes) const;

private:
  std::wstring path_;
};

// Runs vbide-sim.exe with the scenario `text` (UTF-8) and the add-in list `addins` (the lines
// of [Add-Ins32]); `extra` is added to its command line. Bounded by `limit` milliseconds, after
// which the program is ended and the run counts as timed out.
ProgramRun runScenario(const ScratchFolder& folder, const std::string& text,
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
