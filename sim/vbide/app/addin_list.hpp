#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::sim::vbide {

// One line of the IDE's add-in list: a ProgID and its load value (0 not loaded, 1 load at
// start-up, 2 loaded now, 3 both).
struct AddinListEntry {
  std::string progId;
  int load = 0;

  bool loadsAtStartup() const { return load == 1 || load == 3; }
};

// The entries of a section as GetPrivateProfileSection hands it over: "key=value" strings, each
// ended by a NUL, the block by a second one. Lines without "=" or with an empty key are skipped;
// a value that is not a number reads as 0.
std::vector<AddinListEntry> parseAddinSection(std::string_view block);

// The section [Add-Ins32] of an add-in list file (VBADDIN.INI).
std::vector<AddinListEntry> readAddinList(const std::wstring& file);

// VBADDIN.INI in the Windows directory, where the IDE looks for it.
std::wstring defaultAddinListPath();

} // namespace velmora::sim::vbide
