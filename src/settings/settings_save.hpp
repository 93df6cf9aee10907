#pragma once

#include "hotkey/hot_key.hpp"
#include "settings/options.hpp"
#include "settings/prefix_table.hpp"

namespace velmora {

class SettingsFile;

// Rewrites section "Velmora" with everything the settings dialog edits: the section is emptied,
// then come the first PrefixCount pairs ("SettouChar"k, "Kata"k, k from 1), the options "Non",
// "Tenmetsu", "Comment", "ImeMode", and "HotKeyFlg"n, "Key"n for n = 1 to 4, all numbers in
// decimal. The file is replaced in one step: either all of it is written or nothing is. False
// when it could not be written (or a text cannot be stored as one line).
bool SaveSettings(SettingsFile& file, const Prefixes& prefixes, const Options& options,
                  const HotKeys& hotKeys);

} // namespace velmora
