#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::testing {

// Section "Velmora" of a settings file as the system's profile functions read it: key to value.
inline std::map<std::wstring, std::wstring> velmoraSection(const std::filesystem::path& file) {
  std::vector<wchar_t> buffer(32768);
  const DWORD length = GetPrivateProfileSectionW(L"Velmora", buffer.data(),
                                                 static_cast<DWORD>(buffer.size()), file.c_str());
  std::map<std::wstring, std::wstring> section;
  for (const wchar_t* entry = buffer.data(); entry < buffer.data() + length && *entry != L'\0';
       entry += wcslen(entry) + 1) {
    const std::wstring line = entry;
    const std::size_t equals = line.find(L'=');
    section[line.substr(0, equals)] =
        equals == std::wstring::npos ? std::wstring() : line.substr(equals + 1);
  }
  return section;
}

// The file's bytes; empty when it is missing.
inline std::string fileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace velmora::testing
