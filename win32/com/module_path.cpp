#include "com/module_path.hpp"

#include "com/com_error.hpp"

namespace velmora::win32 {

std::wstring moduleFileName(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD length = GetModuleFileNameW(module, path.data(), size);
    if (length == 0) {
      checkStatus(static_cast<LSTATUS>(GetLastError()), u"GetModuleFileName");
    }
    // A path that fills the buffer may have been cut off.
    if (length < size) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

} // namespace velmora::win32
