#pragma once

#include "sim/ide/memory_vbe.hpp"

#include <memory>
#include <windows.h>

namespace velmora::sim::vbide {

// The code window of the active pane: its module's lines with their numbers, and a status line
// with the pane's name and selection. Follows insertions into the module; refreshed when the
// IDE's thread is idle.
//
// It takes the user's typing while it has the keyboard focus (a click gives it the focus): a
// character goes into the module at the pane's caret, which moves after it, and Enter breaks the
// line at the caret, which goes to the start of the new line. Other keys do nothing, and a click
// leaves the caret where the pane has it.
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
  static LRESULT CALLBACK typing(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR view);
  void typed(char16_t character);

  std::shared_ptr<MemoryVbe> vbe_;
  HWND text_;
  HWND status_;
  HFONT font_;
  std::shared_ptr<Edits> edits_;
  std::shared_ptr<MemoryCodePane> shownPane_;
  Selection shownSelection_{0, 0, 0, 0};
};

} // namespace velmora::sim::vbide
