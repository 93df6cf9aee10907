#include "com/registry_key.hpp"

#include "com/com_error.hpp"

namespace velmora::win32 {

namespace {

std::u16string describe(const char16_t* operation, const std::wstring& path) {
  std::u16string text(operation);
  text += u" ";
  text.append(path.begin(), path.end());
  return text;
}

} // namespace

RegistryKey RegistryKey::create(HKEY parent, const std::wstring& path) {
  HKEY key = nullptr;
  const LSTATUS status = RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                         KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
  checkStatus(status, describe(u"RegCreateKeyEx", path));
  return RegistryKey(key);
}

std::optional<RegistryKey> RegistryKey::open(HKEY parent, const std::wstring& path) {
  HKEY key = nullptr;
  const LSTATUS status = RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &key);
  if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND) {
    return std::nullopt;
  }
  checkStatus(status, describe(u"RegOpenKeyEx", path));
  return RegistryKey(key);
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    if (key_ != nullptr) {
      RegCloseKey(key_);
    }
    key_ = std::exchange(other.key_, nullptr);
  }
  return *this;
}

RegistryKey::~RegistryKey() {
  if (key_ != nullptr) {
    RegCloseKey(key_);
  }
}

void RegistryKey::setString(const std::wstring& name, const std::wstring& value) {
  const DWORD bytes = static_cast<DWORD>(value.size() + 1) * DWORD{sizeof(wchar_t)};
  const LSTATUS status = RegSetValueExW(key_, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(value.c_str()), bytes);
  checkStatus(status, describe(u"RegSetValueEx", name));
}

std::optional<std::wstring> RegistryKey::readString(const std::wstring& name) const {
  const wchar_t* valueName = name.empty() ? nullptr : name.c_str();
  DWORD type = 0;
  DWORD bytes = 0;
  LSTATUS status = RegQueryValueExW(key_, valueName, nullptr, &type, nullptr, &bytes);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return std::nullopt;
  }
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(value.size()) * DWORD{sizeof(wchar_t)};
  status = RegQueryValueExW(key_, valueName, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                            &bytes);
  if (status != ERROR_SUCCESS) {
    return std::nullopt;
  }
  // The stored value may or may not end with its terminator.
  value.resize(bytes / sizeof(wchar_t));
  while (!value.empty() && value.back() == L'\0') {
    value.pop_back();
  }
  return value;
}

bool registryKeyExists(HKEY parent, const std::wstring& path) {
  return RegistryKey::open(parent, path).has_value();
}

void deleteRegistryTree(HKEY parent, const std::wstring& path) {
  const LSTATUS status = RegDeleteTreeW(parent, path.c_str());
  if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND) {
    return;
  }
  checkStatus(status, describe(u"RegDeleteTree", path));
}

} // namespace velmora::win32
