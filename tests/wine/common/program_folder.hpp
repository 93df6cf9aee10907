#pragma once

#include <string>
#include <windows.h>

namespace velmora::testing {

// The path of `name` in the folder of this test program (bin/, where the deliverables are too).
inline std::wstring besideThisProgram(const std::wstring& name) {
  std::wstring self(MAX_PATH * 4, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  return self.substr(0, self.find_last_of(L"\\/") + 1) + name;
}

} // namespace velmora::testing
