#include "sim/system/sim_desktop.hpp"

#include "sim/system/sim_message_loops.hpp"

#include <utility>

namespace velmora::sim {
namespace {

constexpr std::uint32_t kFirstThreadId = 0x100;
constexpr std::uint32_t kThreadIdStep = 4;

} // namespace

SimDesktop::SimDesktop() {
  windows_.onDestroy([this](WindowHandle window) { hotkeys_.dropWindow(window); });
}

SimDesktop::~SimDesktop() = default;

SimProgram& SimDesktop::createProgram(std::string name) {
  const auto threadId =
      kFirstThreadId + kThreadIdStep * static_cast<std::uint32_t>(programs_.size());
  programs_.push_back(
      std::make_unique<SimProgram>(std::move(name), threadId, clock_, windows_, hotkeys_));
  return *programs_.back();
}

void SimDesktop::runFor(SimTime milliseconds) {
  runMessageLoops(clock_, programs_, milliseconds);
}

} // namespace velmora::sim
