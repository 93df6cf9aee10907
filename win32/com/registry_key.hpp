#pragma once

#include <optional>
#include <string>
#include <utility>
#include <windows.h>

namespace velmora::win32 {

// An open registry key, closed with the object. Failures throw ComError.
class RegistryKey {
public:
  // Opens `path` below `parent`, creating what is missing, for writing.
  static RegistryKey create(HKEY parent, const std::wstring& path);
  // Opens an existing key for reading; nothing when it does not exist.
  static std::optional<RegistryKey> open(HKEY parent, const std::wstring& path);

  RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey();

  HKEY handle() const noexcept { return key_; }

  // Sets a string value; an empty name is the key's default value.
  void setString(const std::wstring& name, const std::wstring& value);
  // A string value; nothing when it is missing or not a string.
  std::optional<std::wstring> readString(const std::wstring& name) const;

private:
  explicit RegistryKey(HKEY key) noexcept : key_(key) {}

  HKEY key_;
};

// Whether `path` exists below `parent`.
bool registryKeyExists(HKEY parent, const std::wstring& path);
// Deletes `path` below `parent` with all its subkeys; a missing key is no error.
void deleteRegistryTree(HKEY parent, const std::wstring& path);

} // namespace velmora::win32
