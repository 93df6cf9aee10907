#include "com/com_test_support.hpp"

#include "common/program_folder.hpp"

#include <vector>

namespace velmora::test {

std::wstring velmoraDllPath() {
  return testing::besideThisProgram(L"Velmora.dll");
}

DWORD runProgram(const std::wstring& commandLine) {
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return GetLastError() | 0x80000000U;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

HRESULT callServerExport(const char* name) {
  HMODULE dll = LoadLibraryW(velmoraDllPath().c_str());
  if (dll == nullptr) {
    return HRESULT_FROM_WIN32(GetLastError());
  }
  using Export = HRESULT(STDAPICALLTYPE*)();
  auto function = reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
  const HRESULT result = function != nullptr ? function() : E_NOTIMPL;
  FreeLibrary(dll);
  return result;
}

std::optional<std::wstring> registryString(HKEY root, const std::wstring& path,
                                           const std::wstring& name) {
  wchar_t buffer[1024] = {};
  DWORD bytes = sizeof(buffer) - sizeof(wchar_t);
  const LSTATUS status = RegGetValueW(root, path.c_str(), name.empty() ? nullptr : name.c_str(),
                                      RRF_RT_REG_SZ, nullptr, buffer, &bytes);
  if (status != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(buffer);
}

bool registryKeyExists(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

void setRegistryString(HKEY root, const std::wstring& path, const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1) * DWORD{sizeof(wchar_t)});
  RegCloseKey(key);
}

} // namespace velmora::test
