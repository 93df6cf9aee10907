#include "installer/add_in_list_files.hpp"

#include "installer/add_in_entry.hpp"

namespace velmora {

namespace {

std::u16string withoutFinalBackslash(std::u16string_view directory) {
  while (!directory.empty() && directory.back() == u'\\') {
    directory.remove_suffix(1);
  }
  return std::u16string(directory);
}

} // namespace

std::u16string VirtualStorePath(std::u16string_view path, std::u16string_view localAppData) {
  if (path.size() >= 2 && path[1] == u':') {
    path.remove_prefix(2);
  }
  std::u16string store = withoutFinalBackslash(localAppData) + u"\\VirtualStore";
  if (!path.starts_with(u'\\')) {
    store += u'\\';
  }
  return store + std::u16string(path);
}

std::vector<std::u16string> AddInListFiles(const SetupPlaces& places) {
  const std::u16string list =
      withoutFinalBackslash(places.windowsDirectory()) + u"\\" + kAddInListFile;
  std::vector<std::u16string> files{list};
  const std::optional<std::u16string> localAppData = places.localAppData();
  if (localAppData && !localAppData->empty()) {
    std::u16string copy = VirtualStorePath(list, *localAppData);
    if (places.fileExists(copy)) {
      files.push_back(std::move(copy));
    }
  }
  return files;
}

} // namespace velmora
