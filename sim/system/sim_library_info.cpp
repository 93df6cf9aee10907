#include "sim/system/sim_library_info.hpp"

#include <utility>

namespace velmora::sim {
namespace {

bool isSeparator(char16_t c) {
  return c == u'\\' || c == u'/';
}

bool isDriveRoot(const std::u16string& path) {
  return path.size() == 3 && path[1] == u':' && isSeparator(path[2]);
}

} // namespace

SimLibraryInfo::SimLibraryInfo(std::u16string directory, Version version) : version_(version) {
  setDirectory(std::move(directory));
}

void SimLibraryInfo::setDirectory(std::u16string directory) {
  while (directory.size() > 1 && isSeparator(directory.back()) && !isDriveRoot(directory)) {
    directory.pop_back();
  }
  directory_ = std::move(directory);
}

} // namespace velmora::sim
