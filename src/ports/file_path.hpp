#pragma once

#ifdef _WIN32
#include <string>
#else
#include <filesystem>
#endif

namespace velmora {

// A path of the running system, as the file store takes it. On Windows it is the path's UTF-16
// text, which the system's wide functions take as it is: std::filesystem::path would bring the
// standard library's locale machinery into Velmora.dll (its conversions go through the codecvt
// facets), which the library has no other use for. Elsewhere it is a std::filesystem::path.
#ifdef _WIN32
using FilePath = std::wstring;
#else
using FilePath = std::filesystem::path;
#endif

} // namespace velmora
