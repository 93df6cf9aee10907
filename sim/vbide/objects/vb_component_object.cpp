#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/code_module_object.hpp"
#include "sim/vbide/objects/dispatch_object.hpp"
#include "sim/vbide/objects/ide_guids.hpp"
#include "sim/vbide/objects/vb_project_object.hpp"

#include <array>

namespace velmora::sim::vbide {

namespace {

enum : DISPID { kName = 0x30, kCodeModule = 0x32, kType = 0x33 };

constexpr std::array<DispatchMember, 3> kMembers = {{
    {L"Name", kName},
    {L"CodeModule", kCodeModule},
    {L"Type", kType},
}};

class VbComponentObject final : public DispatchObject {
public:
  explicit VbComponentObject(std::shared_ptr<MemoryVbComponent> component)
      : DispatchObject(kMembers, kIidVbComponent, kVbideSource), component_(std::move(component)) {}

private:
  void invoke(DISPID id, DispatchCall& call) override {
    call.expectGet();
    switch (id) {
    case kName:
      call.returnString(component_->componentName());
      return;
    case kType:
      call.returnLong(component_->type());
      return;
    case kCodeModule:
      call.returnDispatch(makeCodeModuleObject(component_->module()).detach());
      return;
    default:
      throw DispatchFault(DISP_E_MEMBERNOTFOUND);
    }
  }

  std::shared_ptr<MemoryVbComponent> component_;
};

} // namespace

win32::ComPtr<IDispatch> makeVbComponentObject(std::shared_ptr<MemoryVbComponent> component) {
  return win32::ComPtr<IDispatch>::adopt(new VbComponentObject(std::move(component)));
}

} // namespace velmora::sim::vbide
