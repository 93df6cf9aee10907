#include "host/dispatch_vb_component.hpp"

#include "host/dispatch_code_module.hpp"

namespace velmora::win32 {

std::int32_t DispatchVbComponent::type() {
  return object_.get(u"Type").toInt32();
}

std::u16string DispatchVbComponent::name() {
  return object_.get(u"Name").toText();
}

std::shared_ptr<CodeModule> DispatchVbComponent::codeModule() {
  return std::make_shared<DispatchCodeModule>(DispatchObject(
      DispatchObject::required(object_.get(u"CodeModule")), object_.context(), u"CodeModule"));
}

} // namespace velmora::win32
