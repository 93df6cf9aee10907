#include "sim/vbide/objects/code_pane_object.hpp"

#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/code_module_object.hpp"
#include "sim/vbide/objects/dispatch_object.hpp"
#include "sim/vbide/objects/ide_guids.hpp"

#include <array>

namespace velmora::sim::vbide {

namespace {

enum : DISPID {
  kCodeModule = 0x60020009,
  kGetSelection = 0x6002000A,
  kSetSelection = 0x6002000B,
};

constexpr std::array<DispatchMember, 3> kMembers = {{
    {L"CodeModule", kCodeModule},
    {L"GetSelection", kGetSelection},
    {L"SetSelection", kSetSelection},
}};

class CodePaneObject final : public DispatchObject {
public:
  explicit CodePaneObject(std::shared_ptr<MemoryCodePane> pane)
      : DispatchObject(kMembers, kIidCodePane, kVbideSource), pane_(std::move(pane)) {}

private:
  void invoke(DISPID id, DispatchCall& call) override {
    switch (id) {
    case kCodeModule:
      call.expectGet();
      call.returnDispatch(
          makeCodeModuleObject(std::static_pointer_cast<MemoryCodeModule>(pane_->codeModule()))
              .detach());
      return;
    case kGetSelection: {
      call.expectMethod(4, 4);
      const Selection selection = pane_->getSelection();
      call.setOutLong(0, selection.startLine);
      call.setOutLong(1, selection.startColumn);
      call.setOutLong(2, selection.endLine);
      call.setOutLong(3, selection.endColumn);
      return;
    }
    case kSetSelection:
      call.expectMethod(4, 4);
      pane_->setSelection({call.longArg(0), call.longArg(1), call.longArg(2), call.longArg(3)});
      return;
    default:
      throw DispatchFault(DISP_E_MEMBERNOTFOUND);
    }
  }

  std::shared_ptr<MemoryCodePane> pane_;
};

} // namespace

win32::ComPtr<IDispatch> makeCodePaneObject(std::shared_ptr<MemoryCodePane> pane) {
  return win32::ComPtr<IDispatch>::adopt(new CodePaneObject(std::move(pane)));
}

} // namespace velmora::sim::vbide
