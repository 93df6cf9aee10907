#include "settings/settings_path.hpp"

#include "settings/settings_keys.hpp"
#include "support/utf.hpp"

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

FilePath nativePath(std::u16string_view windowsPath) {
#ifdef _WIN32
  return {windowsPath.begin(), windowsPath.end()};
#else
  std::u16string path(windowsPath);
  std::replace(path.begin(), path.end(), u'\\', u'/');
  return toUtf8(path);
#endif
}

} // namespace velmora
