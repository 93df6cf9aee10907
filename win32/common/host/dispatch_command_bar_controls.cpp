#include "host/dispatch_command_bar_controls.hpp"

#include "host/dispatch_command_bar_control.hpp"

namespace velmora::win32 {

std::shared_ptr<CommandBarControl>
DispatchCommandBarControls::control(const OwnedVariant& result) const {
  return std::make_shared<DispatchCommandBarControl>(
      DispatchObject(DispatchObject::required(result), object_.context(), u"CommandBarControl"));
}

std::int32_t DispatchCommandBarControls::count() {
  return object_.get(u"Count").toInt32();
}

std::shared_ptr<CommandBarControl> DispatchCommandBarControls::item(std::int32_t index) {
  return control(object_.call(u"Item", OwnedVariant::int32(index)));
}

std::shared_ptr<CommandBarControl> DispatchCommandBarControls::add(std::int32_t type) {
  return control(object_.call(u"Add", OwnedVariant::int32(type), OwnedVariant::omitted(),
                              OwnedVariant::omitted(), OwnedVariant::omitted(),
                              OwnedVariant::omitted()));
}

} // namespace velmora::win32
