#include "host/dispatch_events.hpp"

#include "com/com_error.hpp"
#include "host/dispatch_command_bar_control.hpp"
#include "host/dispatch_command_bar_events.hpp"

namespace velmora::win32 {

std::shared_ptr<CommandBarEvents> DispatchEvents::commandBarEvents(CommandBarControl& control) {
  auto* hosted = dynamic_cast<DispatchCommandBarControl*>(&control);
  if (hosted == nullptr) {
    throw ComError(DISP_E_TYPEMISMATCH, u"型が一致しません。");
  }
  return std::make_shared<DispatchCommandBarEvents>(
      DispatchObject(DispatchObject::required(object_.get(
                         u"CommandBarEvents", OwnedVariant::object(hosted->dispatch()))),
                     object_.context(), u"CommandBarEvents"));
}

} // namespace velmora::win32
