#pragma once

#include <functional>
#include <windows.h>

namespace velmora::sim::vbide {

// Checks `done` every few milliseconds until it holds or `timeout` milliseconds have passed;
// whether it held. For what the scenario cannot be told of (a window appearing), never to let
// time pass for its own sake.
bool waitUntil(const std::function<bool()>& done, DWORD timeout);

} // namespace velmora::sim::vbide
