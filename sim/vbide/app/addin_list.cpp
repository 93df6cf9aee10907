#include "sim/vbide/app/addin_list.hpp"

#include <charconv>
#include <windows.h>

namespace velmora::sim::vbide {

namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

} // namespace

std::vector<AddinListEntry> parseAddinSection(std::string_view block) {
  std::vector<AddinListEntry> entries;
  while (!block.empty() && block.front() != '\0') {
    const auto end = block.find('\0');
    const std::string_view line = block.substr(0, end);
    block = end == std::string_view::npos ? std::string_view() : block.substr(end + 1);
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      continue;
    }
    const std::string_view key = trimmed(line.substr(0, equals));
    if (key.empty()) {
      continue;
    }
    const std::string_view value = trimmed(line.substr(equals + 1));
    int load = 0;
    const auto parsed = std::from_chars(value.data(), value.data() + value.size(), load);
    if (parsed.ec != std::errc() || parsed.ptr != value.data() + value.size()) {
      load = 0;
    }
    entries.push_back({std::string(key), load});
  }
  return entries;
}

std::vector<AddinListEntry> readAddinList(const std::wstring& file) {
  std::string ansiPath(MAX_PATH * 2, '\0');
  const int length = WideCharToMultiByte(CP_ACP, 0, file.c_str(), -1, ansiPath.data(),
                                         static_cast<int>(ansiPath.size()), nullptr, nullptr);
  if (length <= 0) {
    return {};
  }
  // The section comes whole once the buffer is more than two bytes larger than what it holds.
  std::string block(4096, '\0');
  for (;;) {
    const DWORD got = GetPrivateProfileSectionA("Add-Ins32", block.data(),
                                                static_cast<DWORD>(block.size()), ansiPath.c_str());
    if (got + 2 < block.size()) {
      block.resize(got + 1);
      break;
    }
    block.assign(block.size() * 2, '\0');
  }
  return parseAddinSection(block);
}

std::wstring defaultAddinListPath() {
  wchar_t directory[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(directory, MAX_PATH);
  std::wstring path(directory, length < MAX_PATH ? length : 0);
  if (!path.empty() && path.back() != L'\\') {
    path += L'\\';
  }
  return path + L"VBADDIN.INI";
}

} // namespace velmora::sim::vbide
