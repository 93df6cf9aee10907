#pragma once

#include "sim/vbide/objects/command_bars_model.hpp"

#include <memory>
#include <vector>
#include <windows.h>

namespace velmora::sim::vbide {

// The command bars that add-ins made, drawn in the IDE's window: one row of push buttons per
// visible bar, each showing its face and caption, with its tooltip. Built anew after the bars
// change, only when the IDE's thread is idle (never under a button that is being pressed).
class ToolbarStrip {
public:
  static constexpr int kFirstButtonId = 1000;

  ToolbarStrip(HWND parent, std::shared_ptr<CommandBarsModel> model);
  ~ToolbarStrip();
  ToolbarStrip(const ToolbarStrip&) = delete;
  ToolbarStrip& operator=(const ToolbarStrip&) = delete;

  // The bars changed: rebuild at the next refresh.
  void invalidate() { dirty_ = true; }
  // Rebuilds the rows when the bars changed; true when it did.
  bool refresh();
  // The height the rows take at the top of the window.
  int height() const { return height_; }

  // The control behind a button id from WM_COMMAND, or null.
  std::shared_ptr<CommandBarControlModel> controlOf(int id) const;
  // The first live control with that caption on a bar that is shown, or null.
  std::shared_ptr<CommandBarControlModel> findByCaption(const std::u16string& caption) const;
  // Draws an owner-drawn button (WM_DRAWITEM); false for an item that is not one of ours.
  bool draw(const DRAWITEMSTRUCT& item) const;

private:
  struct Button {
    HWND window;
    std::weak_ptr<CommandBarControlModel> control;
  };

  void clear();

  HWND parent_;
  std::shared_ptr<CommandBarsModel> model_;
  HWND tooltip_ = nullptr;
  HFONT font_ = nullptr;
  std::vector<Button> buttons_;
  bool dirty_ = true;
  int height_ = 0;
};

} // namespace velmora::sim::vbide
