#include "sim/vbide/objects/addin_object.hpp"

#include "sim/vbide/objects/dispatch_object.hpp"
#include "sim/vbide/objects/ide_guids.hpp"

#include <array>
#include <memory>

namespace velmora::sim::vbide {

namespace {

enum : DISPID {
  kDescription = 0x60020000,
  kVbe,
  kProgId,
  kGuid,
  kConnect,
  kObject,
};

constexpr std::array<DispatchMember, 6> kMembers = {{
    {L"Description", kDescription},
    {L"VBE", kVbe},
    {L"ProgId", kProgId},
    {L"Guid", kGuid},
    {L"Connect", kConnect},
    {L"Object", kObject},
}};

class AddInObject final : public DispatchObject {
public:
  AddInObject(std::shared_ptr<AddInState> state, win32::ComPtr<IDispatch> vbe)
      : DispatchObject(kMembers, kIidAddIn, kVbideSource), state_(std::move(state)),
        vbe_(std::move(vbe)) {}

private:
  void invoke(DISPID id, DispatchCall& call) override {
    if (id == kObject) {
      object(call);
      return;
    }
    call.expectGet();
    switch (id) {
    case kDescription:
      call.returnString(state_->description);
      return;
    case kVbe:
      call.returnDispatch(win32::ComPtr<IDispatch>(vbe_).detach());
      return;
    case kProgId:
      call.returnString(state_->progId);
      return;
    case kGuid:
      call.returnString(state_->guid);
      return;
    case kConnect:
      call.returnBool(state_->connected);
      return;
    default:
      throw DispatchFault(DISP_E_MEMBERNOTFOUND);
    }
  }

  void object(DispatchCall& call) {
    if (call.isPut()) {
      call.expectPut();
      object_ = win32::ComPtr<IDispatch>(call.putDispatch());
      return;
    }
    call.expectGet();
    call.returnDispatch(win32::ComPtr<IDispatch>(object_).detach());
  }

  std::shared_ptr<AddInState> state_;
  win32::ComPtr<IDispatch> vbe_;
  win32::ComPtr<IDispatch> object_;
};

} // namespace

win32::ComPtr<IDispatch> makeAddInObject(std::shared_ptr<AddInState> state,
                                         win32::ComPtr<IDispatch> vbe) {
  return win32::ComPtr<IDispatch>::adopt(new AddInObject(std::move(state), std::move(vbe)));
}

} // namespace velmora::sim::vbide
