#pragma once

#include "forms/child_window.hpp"
#include "forms/form_control.hpp"

#include <memory>

namespace velmora::win32 {

// A label: a static text that wraps at the right edge and never takes the focus.
class LabelWindow final : public WindowedControl<Label> {
public:
  using WindowedControl::WindowedControl;
  static std::unique_ptr<LabelWindow> create(const ControlSpec& spec, const RECT& place, int id,
                                             const ControlContext& context);

  std::u16string caption() const override;
  void setCaption(const std::u16string& caption) override;
};

} // namespace velmora::win32
