#pragma once

#include "sim/ide/memory_vbe.hpp"

#include <memory>
#include <windows.h>

namespace velmora::sim::vbide {

// The code window of the active pane, read-only: its module's lines with their numbers, and a
// status line with the pane's name and selection. Follows insertions into the module; refreshed
// when the IDE's thread is idle.
class CodeView {
public:
  CodeView(HWND parent, std::shared_ptr<MemoryVbe> vbe);
  ~CodeView();
  CodeView(const CodeView&) = delete;
  CodeView& operator=(const CodeView&) = delete;

  void place(int left, int top, int width, int height);
  // Shows what changed since the last refresh.
  void refresh();

private:
  class Edits;

  void showModule(const std::shared_ptr<MemoryCodeModule>& module);

  std::shared_ptr<MemoryVbe> vbe_;
  HWND text_;
  HWND status_;
  HFONT font_;
  std::shared_ptr<Edits> edits_;
  std::shared_ptr<MemoryCodePane> shownPane_;
  Selection shownSelection_{0, 0, 0, 0};
};

} // namespace velmora::sim::vbide
