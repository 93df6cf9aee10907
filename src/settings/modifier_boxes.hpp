#pragma once

#include "hotkey/hot_key.hpp"

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

// The settings form's modifier check boxes chkHot1 to chkHot4 (control arrays indexed by hotkey
// row) and the bit of HotKeyFlg each stands for.
struct ModifierBox {
  std::string_view name;
  std::int32_t bit;
};

inline constexpr std::array<ModifierBox, 4> kModifierBoxes = {
    {{"chkHot1", kModAlt}, {"chkHot2", kModControl}, {"chkHot3", kModShift}, {"chkHot4", kModWin}}};

} // namespace velmora
