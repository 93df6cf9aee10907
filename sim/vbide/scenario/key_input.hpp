#pragma once

#include "sim/vbide/scenario/key_chord.hpp"

#include <windows.h>

namespace velmora::sim::vbide {

// Types the chord as the keyboard does: the modifiers down, the key down and up, the modifiers
// up in reverse order, each input carrying `marker` as its extra information. False when the
// system took fewer inputs than given.
bool sendChord(const KeyChord& chord, ULONG_PTR marker);

} // namespace velmora::sim::vbide
