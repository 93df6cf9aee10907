#pragma once

#include "forms/child_window.hpp"
#include "forms/form_control.hpp"

#include <memory>

namespace velmora::win32 {

// A push button; the form's default button carries the default frame.
class ButtonWindow final : public WindowedControl<Button> {
public:
  using WindowedControl::WindowedControl;
  static std::unique_ptr<ButtonWindow> create(const ControlSpec& spec, const RECT& place, int id,
                                              const ControlContext& context);

  void onClick(EventHandler handler) override { click_ = std::move(handler); }
  void notify(WORD code) override;

private:
  EventHandler click_;
};

} // namespace velmora::win32
