#include "sim/vbide/objects/vb_project_object.hpp"

#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/dispatch_object.hpp"
#include "sim/vbide/objects/ide_guids.hpp"

#include <array>

namespace velmora::sim::vbide {

namespace {

constexpr DISPID kVbComponents = 0x87;

constexpr std::array<DispatchMember, 1> kMembers = {{{L"VBComponents", kVbComponents}}};

class VbProjectObject final : public DispatchObject {
public:
  explicit VbProjectObject(std::shared_ptr<MemoryVbProject> project)
      : DispatchObject(kMembers, kIidVbProject, kVbideSource), project_(std::move(project)) {}

private:
  void invoke(DISPID id, DispatchCall& call) override {
    if (id != kVbComponents) {
      throw DispatchFault(DISP_E_MEMBERNOTFOUND);
    }
    call.expectGet();
    call.returnDispatch(makeVbComponentsObject(project_).detach());
  }

  std::shared_ptr<MemoryVbProject> project_;
};

} // namespace

win32::ComPtr<IDispatch> makeVbProjectObject(std::shared_ptr<MemoryVbProject> project) {
  return win32::ComPtr<IDispatch>::adopt(new VbProjectObject(std::move(project)));
}

} // namespace velmora::sim::vbide
