#pragma once

#include "forms/child_window.hpp"
#include "forms/form_control.hpp"

#include <memory>

namespace velmora::win32 {

// A frame: a captioned group box drawn around the controls placed in it. The controls are the
// form's own children (so that the keyboard order can go in and out of frames freely), placed
// relative to the frame; the frame lies below them and never paints over them.
class FrameWindow final : public FormControl {
public:
  explicit FrameWindow(HWND window) : window_(window) {}
  static std::unique_ptr<FrameWindow> create(const ControlSpec& spec, const RECT& place, int id,
                                             const ControlContext& context);

  HWND window() const override { return window_; }

private:
  HWND window_;
};

} // namespace velmora::win32
