#include "services/win32_library_info.hpp"

#include "com/module_path.hpp"

#include <vector>
#include <windows.h>

namespace velmora::win32 {

namespace {

// The module this function was linked into; the program when the system cannot tell.
HMODULE moduleOfThisCode() {
  HMODULE module = nullptr;
  if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&moduleOfThisCode), &module) == FALSE) {
    module = GetModuleHandleW(nullptr);
  }
  return module;
}

} // namespace

Win32LibraryInfo::Win32LibraryInfo(Version fallback) {
  const std::wstring path = moduleFileName(moduleOfThisCode());
  directory_ = moduleDirectory(
      std::u16string_view(reinterpret_cast<const char16_t*>(path.data()), path.size()));
  version_ = fileVersion(path).value_or(fallback);
}

std::u16string moduleDirectory(std::u16string_view modulePath) {
  const std::size_t slash = modulePath.rfind(u'\\');
  if (slash == std::u16string_view::npos) {
    return {};
  }
  std::u16string directory(modulePath.substr(0, slash));
  if (directory.ends_with(u':')) {
    directory += u'\\';
  }
  return directory;
}

std::optional<Version> fileVersion(const std::wstring& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) {
    return std::nullopt;
  }
  std::vector<std::byte> data(size);
  if (GetFileVersionInfoW(path.c_str(), 0, size, data.data()) == FALSE) {
    return std::nullopt;
  }
  void* block = nullptr;
  UINT length = 0;
  if (VerQueryValueW(data.data(), L"\\", &block, &length) == FALSE || block == nullptr ||
      length < sizeof(VS_FIXEDFILEINFO)) {
    return std::nullopt;
  }
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(block);
  if (fixed->dwSignature != 0xFEEF04BDu) {
    return std::nullopt;
  }
  return Version{static_cast<int>(HIWORD(fixed->dwFileVersionMS)),
                 static_cast<int>(LOWORD(fixed->dwFileVersionMS))};
}

} // namespace velmora::win32
