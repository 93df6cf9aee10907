#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velmora {

// Modifier bits of HotKeyFlg (the Windows MOD_ values).
inline constexpr std::int32_t kModAlt = 1;
inline constexpr std::int32_t kModControl = 2;
inline constexpr std::int32_t kModShift = 4;
inline constexpr std::int32_t kModWin = 8;

inline constexpr int kHotKeySlots = 4;

struct HotKey {
  std::int32_t HotKeyFlg = 0; // modifier bit set
  std::int32_t Key = 0;       // virtual-key code
};

// Slot n (1 "Dim", 2 "Private", 3 "Public", 4 "Bas") is element n - 1.
using HotKeys = std::array<HotKey, kHotKeySlots>;

// The global atom that identifies hotkey n: "VBSHOYKEY" and n in decimal.
inline std::string HotKeyAtomName(int n) {
  return "VBSHOYKEY" + std::to_string(n);
}

} // namespace velmora
