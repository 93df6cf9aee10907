#pragma once

#include <cstdint>

namespace velmora::sim {

// The Windows error codes that the simulated services report through their lastError().
inline constexpr std::uint32_t kErrorSuccess = 0;
inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorInvalidFlags = 1004;
inline constexpr std::uint32_t kErrorInvalidWindowHandle = 1400;
inline constexpr std::uint32_t kErrorWindowOfOtherThread = 1408;
inline constexpr std::uint32_t kErrorHotkeyAlreadyRegistered = 1409;
inline constexpr std::uint32_t kErrorHotkeyNotRegistered = 1419;

} // namespace velmora::sim
