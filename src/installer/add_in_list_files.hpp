#pragma once

#include "installer/setup_places.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The user's VirtualStore copy of a file in a protected folder: the local application data
// folder, "VirtualStore", then the file's path without its drive ("C:\Windows\VBADDIN.INI" gives
// "...\AppData\Local\VirtualStore\Windows\VBADDIN.INI"). This is the file that an IDE running
// without elevation reads in place of the real one when it exists.
std::u16string VirtualStorePath(std::u16string_view path, std::u16string_view localAppData);

// The add-in lists the entry goes into, so that the IDE finds it however it is run: the Windows
// directory's VBADDIN.INI (read by an IDE run as administrator, and by any IDE when the user has
// no copy of it) and, when it exists, the user's VirtualStore copy of it (read by an IDE run
// without elevation).
std::vector<std::u16string> AddInListFiles(const SetupPlaces& places);

} // namespace velmora
