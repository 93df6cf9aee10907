#include "settings/settings_path.hpp"

#include "settings/settings_keys.hpp"

#include <algorithm>

namespace velmora {

std::u16string SettingsPath(std::u16string_view libraryDirectory) {
  std::u16string path(libraryDirectory);
  if (!path.ends_with(u'\\')) {
    path += u'\\';
  }
  path += kSettingsFileName;
  return path;
}

std::filesystem::path nativePath(std::u16string_view windowsPath) {
  std::u16string path(windowsPath);
#ifndef _WIN32
  std::replace(path.begin(), path.end(), u'\\', u'/');
#endif
  return std::filesystem::path(path);
}

} // namespace velmora
