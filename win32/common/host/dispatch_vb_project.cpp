#include "host/dispatch_vb_project.hpp"

#include "host/dispatch_vb_components.hpp"

namespace velmora::win32 {

std::shared_ptr<VbComponents> DispatchVbProject::vbComponents() {
  return std::make_shared<DispatchVbComponents>(DispatchObject(
      DispatchObject::required(object_.get(u"VBComponents")), object_.context(), u"VBComponents"));
}

} // namespace velmora::win32
