#include "sim/ide/host_messages.hpp"
#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/dispatch_object.hpp"
#include "sim/vbide/objects/ide_guids.hpp"
#include "sim/vbide/objects/variant_enumerator.hpp"
#include "sim/vbide/objects/vb_project_object.hpp"

#include <array>

namespace velmora::sim::vbide {

namespace {

enum : DISPID { kItem = DISPID_VALUE, kCount = 0x0A, kNewEnum = DISPID_NEWENUM };

constexpr std::array<DispatchMember, 3> kMembers = {{
    {L"Item", kItem},
    {L"Count", kCount},
    {L"_NewEnum", kNewEnum},
}};

class VbComponentsObject final : public DispatchObject {
public:
  explicit VbComponentsObject(std::shared_ptr<MemoryVbProject> project)
      : DispatchObject(kMembers, kIidVbComponents, kVbideSource), project_(std::move(project)) {}

private:
  void invoke(DISPID id, DispatchCall& call) override {
    MemoryVbComponents& components = project_->components();
    switch (id) {
    case kCount:
      call.expectGet();
      call.returnLong(components.count());
      return;
    case kItem:
      call.expectGet(1, 1);
      call.returnDispatch(makeVbComponentObject(item(call)).detach());
      return;
    case kNewEnum: {
      call.expectGet();
      std::vector<win32::ComPtr<IDispatch>> items;
      for (const auto& component : components.all()) {
        items.push_back(makeVbComponentObject(component));
      }
      call.returnUnknown(makeVariantEnumerator(items).detach());
      return;
    }
    default:
      throw DispatchFault(DISP_E_MEMBERNOTFOUND);
    }
  }

  // The component at a 1-based position, or of a name (compared as Visual Basic compares names).
  std::shared_ptr<MemoryVbComponent> item(const DispatchCall& call) {
    MemoryVbComponents& components = project_->components();
    const VARIANT& index = call.arg(0);
    const bool byName = V_VT(&index) == VT_BSTR || V_VT(&index) == (VT_BSTR | VT_BYREF);
    if (byName) {
      if (auto component = components.find(call.stringArg(0))) {
        return component;
      }
      throw AutomationError(vbErrorCode(9), kSubscriptOutOfRange);
    }
    return std::static_pointer_cast<MemoryVbComponent>(components.item(call.longArg(0)));
  }

  std::shared_ptr<MemoryVbProject> project_;
};

} // namespace

win32::ComPtr<IDispatch> makeVbComponentsObject(std::shared_ptr<MemoryVbProject> project) {
  return win32::ComPtr<IDispatch>::adopt(new VbComponentsObject(std::move(project)));
}

} // namespace velmora::sim::vbide
