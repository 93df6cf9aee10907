#pragma once

#include "sim/system/sim_atom_table.hpp"
#include "sim/system/sim_clipboard.hpp"
#include "sim/system/sim_clock.hpp"
#include "sim/system/sim_hotkeys.hpp"
#include "sim/system/sim_program.hpp"
#include "sim/system/sim_windows.hpp"

#include <memory>
#include <string>
#include <vector>

namespace velmora::sim {

// A simulated Windows desktop: owns what its programs share (the clock, the atom table, the
// hotkey table, the windows, the clipboard) and the programs themselves, and wires them together.
class SimDesktop {
public:
  SimDesktop();
  SimDesktop(const SimDesktop&) = delete;
  SimDesktop& operator=(const SimDesktop&) = delete;
  ~SimDesktop();

  // A new program with its own thread; it lives as long as the desktop.
  SimProgram& createProgram(std::string name);

  SimClock& clock() { return clock_; }
  SimAtomTable& atoms() { return atoms_; }
  SimHotkeyTable& hotkeys() { return hotkeys_; }
  SimWindows& windows() { return windows_; }
  SimClipboard& clipboard() { return clipboard_; }
  const SimClock& clock() const { return clock_; }
  const SimAtomTable& atoms() const { return atoms_; }
  const SimHotkeyTable& hotkeys() const { return hotkeys_; }
  const SimWindows& windows() const { return windows_; }
  const SimClipboard& clipboard() const { return clipboard_; }

  // Every program pumps its messages and timers while `milliseconds` of simulated time pass.
  void runFor(SimTime milliseconds);

private:
  SimClock clock_;
  SimAtomTable atoms_;
  SimHotkeyTable hotkeys_;
  SimWindows windows_;
  SimClipboard clipboard_;
  std::vector<std::unique_ptr<SimProgram>> programs_;
};

} // namespace velmora::sim
