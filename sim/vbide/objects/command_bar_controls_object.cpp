#include "sim/ide/host_messages.hpp"
#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/command_bar_control_object.hpp"
#include "sim/vbide/objects/command_bar_object.hpp"
#include "sim/vbide/objects/dispatch_object.hpp"
#include "sim/vbide/objects/ide_guids.hpp"
#include "sim/vbide/objects/variant_enumerator.hpp"

#include <array>

namespace velmora::sim::vbide {

namespace {

enum : DISPID {
  kItem = DISPID_VALUE,
  kNewEnum = DISPID_NEWENUM,
  kAdd = 0x60030020,
  kCount = 0x60030021,
};

constexpr std::array<DispatchMember, 4> kMembers = {{
    {L"Item", kItem},
    {L"_NewEnum", kNewEnum},
    {L"Add", kAdd},
    {L"Count", kCount},
}};

class CommandBarControlsObject final : public DispatchObject {
public:
  CommandBarControlsObject(std::shared_ptr<CommandBarsModel> model,
                           std::shared_ptr<CommandBarModel> bar)
      : DispatchObject(kMembers, kIidCommandBarControls, kOfficeSource), model_(std::move(model)),
        bar_(std::move(bar)) {}

private:
  void invoke(DISPID id, DispatchCall& call) override {
    CommandBarsModel::requireLive(*bar_);
    switch (id) {
    case kCount:
      call.expectGet();
      call.returnLong(static_cast<std::int32_t>(bar_->controls.size()));
      return;
    case kItem:
      call.expectGet(1, 1);
      call.returnDispatch(makeCommandBarControlObject(model_, item(call)).detach());
      return;
    case kAdd: {
      call.expectMethod(0, 5);
      std::optional<std::int32_t> before;
      if (call.present(3)) {
        before = call.longArg(3);
      }
      std::u16string parameter = call.present(2) ? call.stringArg(2) : std::u16string();
      auto control = model_->addControl(*bar_, call.longArg(0, kControlButton), call.longArg(1, 1),
                                        std::move(parameter), before, call.boolArg(4, false));
      call.returnDispatch(makeCommandBarControlObject(model_, control).detach());
      return;
    }
    case kNewEnum: {
      call.expectGet();
      std::vector<win32::ComPtr<IDispatch>> items;
      for (const auto& control : bar_->controls) {
        items.push_back(makeCommandBarControlObject(model_, control));
      }
      call.returnUnknown(makeVariantEnumerator(std::move(items)).detach());
      return;
    }
    default:
      throw DispatchFault(DISP_E_MEMBERNOTFOUND);
    }
  }

  // The control at a 1-based position, or the first with that caption.
  std::shared_ptr<CommandBarControlModel> item(const DispatchCall& call) {
    const VARIANT& index = call.arg(0);
    if (V_VT(&index) == VT_BSTR || V_VT(&index) == (VT_BSTR | VT_BYREF)) {
      const std::u16string caption = call.stringArg(0);
      for (const auto& control : bar_->controls) {
        if (control->caption == caption) {
          return control;
        }
      }
      throw AutomationError(vbErrorCode(5), kInvalidCallOrArgument);
    }
    const std::int32_t position = call.longArg(0);
    if (position < 1 || position > static_cast<std::int32_t>(bar_->controls.size())) {
      throw AutomationError(vbErrorCode(9), kSubscriptOutOfRange);
    }
    return bar_->controls[static_cast<std::size_t>(position - 1)];
  }

  std::shared_ptr<CommandBarsModel> model_;
  std::shared_ptr<CommandBarModel> bar_;
};

} // namespace

win32::ComPtr<IDispatch> makeCommandBarControlsObject(std::shared_ptr<CommandBarsModel> model,
                                                      std::shared_ptr<CommandBarModel> bar) {
  return win32::ComPtr<IDispatch>::adopt(
      new CommandBarControlsObject(std::move(model), std::move(bar)));
}

} // namespace velmora::sim::vbide
