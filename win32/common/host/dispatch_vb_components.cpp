#include "host/dispatch_vb_components.hpp"

#include "host/dispatch_vb_component.hpp"

namespace velmora::win32 {

std::int32_t DispatchVbComponents::count() {
  return object_.get(u"Count").toInt32();
}

std::shared_ptr<VbComponent> DispatchVbComponents::item(std::int32_t index) {
  return std::make_shared<DispatchVbComponent>(
      DispatchObject(DispatchObject::required(object_.call(u"Item", OwnedVariant::int32(index))),
                     object_.context(), u"VBComponent"));
}

} // namespace velmora::win32
