#pragma once

#include <string>
#include <windows.h>

namespace velmora::testing {

struct ProgramRun {
  DWORD exitCode = ~0u;
  bool timedOut = false;
  std::string output; // standard output and error, as printed
};

// Runs a command line and collects what it prints, through a temporary file: a process the
// program starts (Wine's desktop) may inherit the handle and outlive it. Bounded by `limit`
// milliseconds, after which the program is ended and the run counts as timed out.
inline ProgramRun runCommand(const std::wstring& commandLine, DWORD limit = 30000) {
  ProgramRun run;
  wchar_t folder[MAX_PATH] = {};
  wchar_t path[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  GetTempFileNameW(folder, L"run", 0, path);
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE output = CreateFileW(path, GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                              CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  std::wstring line = commandLine;
  if (output != INVALID_HANDLE_VALUE && CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE,
                                                       0, nullptr, nullptr, &startup, &process)) {
    if (WaitForSingleObject(process.hProcess, limit) == WAIT_TIMEOUT) {
      run.timedOut = true;
      TerminateProcess(process.hProcess, 99);
      WaitForSingleObject(process.hProcess, INFINITE);
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    SetFilePointer(output, 0, nullptr, FILE_BEGIN);
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(output, buffer, sizeof buffer, &got, nullptr) && got > 0) {
      run.output.append(buffer, got);
    }
  }
  CloseHandle(output);
  return run;
}

} // namespace velmora::testing
