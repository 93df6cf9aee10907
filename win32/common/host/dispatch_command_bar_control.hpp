#pragma once

#include "host/command_bar_control.hpp"
#include "host/dispatch_object.hpp"

namespace velmora::win32 {

// A button of an Office command bar, late-bound.
class DispatchCommandBarControl final : public CommandBarControl {
public:
  explicit DispatchCommandBarControl(DispatchObject object) : object_(std::move(object)) {}

  void setCaption(const std::u16string& caption) override;
  std::u16string caption() override;
  void setBeginGroup(bool beginGroup) override;
  void setTooltipText(const std::u16string& text) override;
  std::u16string tooltipText() override;
  // PasteFace belongs to buttons; it is found by name on the control's own dispatch interface.
  void pasteFace() override;
  // Delete with its Temporary argument omitted.
  void deleteControl() override;

  IDispatch* dispatch() const noexcept { return object_.dispatch(); }

private:
  DispatchObject object_;
};

} // namespace velmora::win32
