#pragma once

#include "ports/file_path.hpp"

#include <string>
#include <string_view>

namespace velmora {

// The settings file's path as Windows spells it: the library's directory, a backslash and
// "Velmora.ini"; a directory that already ends in a backslash (a drive root, "C:\") gets none
// added.
std::u16string SettingsPath(std::u16string_view libraryDirectory);

// A path spelt the Windows way as a path of the system the core runs on: on Windows as it is;
// elsewhere with every backslash turned into a slash, so that "/opt/vb\Velmora.ini" names
// Velmora.ini in /opt/vb.
FilePath nativePath(std::u16string_view windowsPath);

} // namespace velmora
