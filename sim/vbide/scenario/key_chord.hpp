#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::sim::vbide {

// Virtual-key codes, with the values of the system's VK_ names (portable, so that scenario text
// is read the same everywhere).
namespace vk {
inline constexpr std::uint16_t kBack = 0x08;
inline constexpr std::uint16_t kTab = 0x09;
inline constexpr std::uint16_t kReturn = 0x0D;
inline constexpr std::uint16_t kShift = 0x10;
inline constexpr std::uint16_t kControl = 0x11;
inline constexpr std::uint16_t kMenu = 0x12; // Alt
inline constexpr std::uint16_t kEscape = 0x1B;
inline constexpr std::uint16_t kSpace = 0x20;
inline constexpr std::uint16_t kPrior = 0x21; // Page Up
inline constexpr std::uint16_t kNext = 0x22;  // Page Down
inline constexpr std::uint16_t kEnd = 0x23;
inline constexpr std::uint16_t kHome = 0x24;
inline constexpr std::uint16_t kLeft = 0x25;
inline constexpr std::uint16_t kUp = 0x26;
inline constexpr std::uint16_t kRight = 0x27;
inline constexpr std::uint16_t kDown = 0x28;
inline constexpr std::uint16_t kInsert = 0x2D;
inline constexpr std::uint16_t kDelete = 0x2E;
inline constexpr std::uint16_t kLWin = 0x5B;
inline constexpr std::uint16_t kF1 = 0x70; // F1 to F24 follow each other
} // namespace vk

// A key combination as a scenario writes it: modifiers and one key joined by "+", such as
// "Ctrl+Shift+D", "Alt+F1", "Enter", "Esc". Modifiers: Ctrl (Control), Shift, Alt, Win. Keys:
// a letter or digit, F1 to F24, Enter (Return), Esc (Escape), Tab, Space, Backspace, Insert,
// Delete, Home, End, PageUp, PageDown, Up, Down, Left, Right. Names compare case-insensitively.
struct KeyChord {
  std::vector<std::uint16_t> modifiers; // virtual-key codes, pressed in this order
  std::uint16_t key = 0;

  // The chord, or false for a text that names none.
  static bool parse(const std::string& text, KeyChord& chord);
  // The key that is released last (the first modifier, or the key itself).
  std::uint16_t lastReleased() const { return modifiers.empty() ? key : modifiers.front(); }
};

} // namespace velmora::sim::vbide
