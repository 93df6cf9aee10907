#pragma once

#include "forms/child_window.hpp"
#include "forms/form_control.hpp"

#include <memory>

namespace velmora::win32 {

// A check box with the values 0 (unchecked), 1 (checked) and 2 (grayed, set from code only).
// A user click checks an unchecked or grayed box and unchecks a checked one, then raises the
// click event, which therefore sees the new value.
class CheckBoxWindow final : public WindowedControl<CheckBox> {
public:
  using WindowedControl::WindowedControl;
  static std::unique_ptr<CheckBoxWindow> create(const ControlSpec& spec, const RECT& place, int id,
                                                const ControlContext& context);

  int value() const override;
  void setValue(int value) override;
  void onClick(EventHandler handler) override { click_ = std::move(handler); }
  void notify(WORD code) override;

private:
  EventHandler click_;
};

} // namespace velmora::win32
