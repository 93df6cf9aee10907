#pragma once

#include <string_view>

namespace velmora {

// The declaration kinds, compared exactly. Toolbar buttons 1 to 4 and hotkey slots 1 to 4 map
// to them in this order.
inline constexpr std::u16string_view kDeclDim = u"Dim";
inline constexpr std::u16string_view kDeclPrivate = u"Private";
inline constexpr std::u16string_view kDeclPublic = u"Public";
inline constexpr std::u16string_view kDeclBas = u"Bas";

} // namespace velmora
