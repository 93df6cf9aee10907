#include "host/dispatch_command_bar_control.hpp"

namespace velmora::win32 {

void DispatchCommandBarControl::setCaption(const std::u16string& caption) {
  object_.put(u"Caption", OwnedVariant::text(caption));
}

std::u16string DispatchCommandBarControl::caption() {
  return object_.get(u"Caption").toText();
}

void DispatchCommandBarControl::setBeginGroup(bool beginGroup) {
  object_.put(u"BeginGroup", OwnedVariant::boolean(beginGroup));
}

void DispatchCommandBarControl::setTooltipText(const std::u16string& text) {
  object_.put(u"TooltipText", OwnedVariant::text(text));
}

std::u16string DispatchCommandBarControl::tooltipText() {
  return object_.get(u"TooltipText").toText();
}

void DispatchCommandBarControl::pasteFace() {
  object_.run(u"PasteFace");
}

void DispatchCommandBarControl::deleteControl() {
  object_.run(u"Delete", OwnedVariant::omitted());
}

} // namespace velmora::win32
