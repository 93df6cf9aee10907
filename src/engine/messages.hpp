#pragma once

namespace velmora {

// The title of the add-in's own message boxes.
inline constexpr char16_t kVelmoraTitle[] = u"ベルモラ";

} // namespace velmora
