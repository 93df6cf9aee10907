#pragma once

#include "common/program_folder.hpp"

#include <filesystem>
#include <string>
#include <windows.h>

namespace velmora::testing {

// Another process (file-holder.exe, beside this program) holding a file open without delete
// sharing while the object lives or until it is told to let go.
class FileHolder {
public:
  explicit FileHolder(const std::filesystem::path& file)
      : name_(L"velmora-holder-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(++made())),
        held_(CreateEventW(nullptr, TRUE, FALSE, (name_ + L"-held").c_str())),
        release_(CreateEventW(nullptr, TRUE, FALSE, (name_ + L"-release").c_str())) {
    std::wstring line =
        L"\"" + besideThisProgram(L"file-holder.exe") + L"\" \"" + file.wstring() + L"\" " + name_;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process_) != FALSE) {
      const HANDLE either[] = {held_, process_.hProcess};
      holding_ = WaitForMultipleObjects(2, either, FALSE, 30000) == WAIT_OBJECT_0;
    }
  }
  ~FileHolder() {
    letGo();
    CloseHandle(held_);
    CloseHandle(release_);
  }
  FileHolder(const FileHolder&) = delete;
  FileHolder& operator=(const FileHolder&) = delete;

  bool holding() const { return holding_; }

  // Closes the file: returns once the other process has ended.
  void letGo() {
    if (process_.hProcess == nullptr) {
      return;
    }
    SetEvent(release_);
    WaitForSingleObject(process_.hProcess, 30000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
    holding_ = false;
  }

private:
  static int& made() {
    static int count = 0;
    return count;
  }

  std::wstring name_;
  HANDLE held_;
  HANDLE release_;
  PROCESS_INFORMATION process_{};
  bool holding_ = false;
};

} // namespace velmora::testing
