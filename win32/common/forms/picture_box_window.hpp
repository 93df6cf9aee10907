#pragma once

#include "forms/child_window.hpp"
#include "forms/form_control.hpp"

#include <memory>

namespace velmora::win32 {

// A picture box showing its 16-colour picture unscaled at its top-left corner.
class PictureBoxWindow final : public WindowedControl<PictureBox> {
public:
  PictureBoxWindow(HWND window, FocusMemory& focus, Bitmap picture)
      : WindowedControl(window, focus), picture_(std::move(picture)) {}
  static std::unique_ptr<PictureBoxWindow> create(const ControlSpec& spec, const RECT& place,
                                                  int id, const ControlContext& context);

  const Bitmap& picture() const override { return picture_; }
  void draw(const DRAWITEMSTRUCT& item) override;

private:
  Bitmap picture_;
};

} // namespace velmora::win32
