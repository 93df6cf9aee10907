#include "vbide_program.hpp"

namespace velmora::test {

namespace {

constexpr wchar_t kProbeClsid[] = L"{6B1D3C52-4A8E-4F67-9C0B-2E5A7D914F38}";
constexpr wchar_t kProbeProgId[] = L"VbideSim.ProbeAddin";

void setDefault(const std::wstring& key, const std::wstring& value, const wchar_t* name = nullptr) {
  HKEY opened = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened,
                      nullptr) == ERROR_SUCCESS) {
    RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1) * static_cast<DWORD>(sizeof(wchar_t)));
    RegCloseKey(opened);
  }
}

} // namespace

std::wstring exampleProject() {
  const std::string source = VELMORA_SOURCE_DIR;
  std::wstring path =
      L"Z:" + std::wstring(source.begin(), source.end()) + L"/examples/zakkaten/Zakkaten.vbp";
  for (wchar_t& c : path) {
    c = c == L'/' ? L'\\' : c;
  }
  return path;
}

ProgramRun runCommand(const std::wstring& commandLine, DWORD limit) {
  ProgramRun run;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
    run.exitCode = ~0u;
    return run;
  }
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  std::wstring line = commandLine;
  const BOOL started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    run.exitCode = ~0u;
    return run;
  }
  // Read while the program runs, so that a full pipe never holds it up. The pipe cannot be read
  // to its end: a process the program starts (Wine's desktop) may inherit its write end and
  // outlive it. So what is in the pipe is taken whenever the program is seen running, and once
  // more after it ended, when all it wrote is in the pipe.
  const auto drain = [&] {
    char buffer[4096];
    DWORD got = 0;
    for (;;) {
      DWORD waiting = 0;
      if (!PeekNamedPipe(readEnd, nullptr, 0, nullptr, &waiting, nullptr)) {
        // No writer is left: reading gives what remains, then the end, without blocking.
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
          run.output.append(buffer, got);
        }
        return;
      }
      if (waiting == 0 ||
          !ReadFile(readEnd, buffer, waiting < sizeof buffer ? waiting : sizeof buffer, &got,
                    nullptr)) {
        return;
      }
      run.output.append(buffer, got);
    }
  };
  constexpr DWORD kSlice = 50;
  const ULONGLONG until = GetTickCount64() + limit;
  while (WaitForSingleObject(process.hProcess, kSlice) == WAIT_TIMEOUT) {
    drain();
    if (GetTickCount64() >= until) {
      run.timedOut = true;
      TerminateProcess(process.hProcess, 99);
      WaitForSingleObject(process.hProcess, INFINITE);
      break;
    }
  }
  drain();
  GetExitCodeProcess(process.hProcess, &run.exitCode);
  CloseHandle(readEnd);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

ProgramRun runScenario(const testing::TempDirectory& folder, const std::string& text,
                       const std::string& addins, const std::wstring& extra, DWORD limit) {
  const std::wstring scenario = folder.write(L"scenario.txt", text);
  const std::wstring list = folder.write(L"VBADDIN.INI", "[Add-Ins32]\r\n" + addins);
  const std::wstring commandLine = L"\"" + testing::besideThisProgram(L"vbide-sim.exe") +
                                   L"\" --scenario \"" + scenario + L"\" --addins \"" + list +
                                   L"\" " + extra;
  return runCommand(commandLine, limit);
}

ProbeRegistration::ProbeRegistration() {
  setDefault(std::wstring(kProbeProgId) + L"\\CLSID", kProbeClsid);
  const std::wstring server = std::wstring(L"CLSID\\") + kProbeClsid + L"\\InprocServer32";
  setDefault(server, testing::besideThisProgram(L"ProbeAddin.dll"));
  setDefault(server, L"Apartment", L"ThreadingModel");
}

ProbeRegistration::~ProbeRegistration() {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, kProbeProgId);
  RegDeleteTreeW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + kProbeClsid).c_str());
}

} // namespace velmora::test
