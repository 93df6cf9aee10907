#pragma once

#include <string_view>

namespace velmora::sim {

// True when two names are the same name to VB: equal but for the case of ASCII letters.
bool sameVbName(std::u16string_view a, std::u16string_view b);

} // namespace velmora::sim
