#pragma once

#include <string>
#include <vector>
#include <windows.h>

namespace velmora::sim::vbide {

// A key combination as a scenario writes it: modifiers and one key joined by "+", such as
// "Ctrl+Shift+D", "Alt+F1", "Enter", "Esc". Modifiers: Ctrl (Control), Shift, Alt, Win. Keys:
// a letter or digit, F1 to F24, Enter (Return), Esc (Escape), Tab, Space, Backspace, Insert,
// Delete, Home, End, PageUp, PageDown, Up, Down, Left, Right. Names compare case-insensitively.
struct KeyChord {
  std::vector<WORD> modifiers; // virtual-key codes, pressed in this order
  WORD key = 0;

  // The chord, or nothing for a name it does not know.
  static bool parse(const std::string& text, KeyChord& chord);
  // The key that is released last (the first modifier, or the key itself).
  WORD lastReleased() const { return modifiers.empty() ? key : modifiers.front(); }
};

// Types the chord as the keyboard does: the modifiers down, the key down and up, the modifiers
// up in reverse order, each input carrying `marker` as its extra information. False when the
// system took fewer inputs than given.
bool sendChord(const KeyChord& chord, ULONG_PTR marker);

} // namespace velmora::sim::vbide
