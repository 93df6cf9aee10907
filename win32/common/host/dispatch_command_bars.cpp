#include "host/dispatch_command_bars.hpp"

#include "host/dispatch_command_bar.hpp"

namespace velmora::win32 {

std::shared_ptr<CommandBar> DispatchCommandBars::bar(const OwnedVariant& result) const {
  return std::make_shared<DispatchCommandBar>(
      DispatchObject(DispatchObject::required(result), object_.context(), u"CommandBar"));
}

std::int32_t DispatchCommandBars::count() {
  return object_.get(u"Count").toInt32();
}

std::shared_ptr<CommandBar> DispatchCommandBars::item(std::int32_t index) {
  return bar(object_.call(u"Item", OwnedVariant::int16(static_cast<std::int16_t>(index))));
}

std::shared_ptr<CommandBar> DispatchCommandBars::item(const std::u16string& name) {
  return bar(object_.call(u"Item", OwnedVariant::text(name)));
}

std::shared_ptr<CommandBar> DispatchCommandBars::add(const std::u16string& name,
                                                     std::int32_t position) {
  return bar(object_.call(u"Add", OwnedVariant::text(name), OwnedVariant::int32(position),
                          OwnedVariant::omitted(), OwnedVariant::omitted()));
}

} // namespace velmora::win32
