#include "sim/vbide/objects/command_bars_object.hpp"

#include "sim/vbide/objects/automation_error.hpp"
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
  kAdd = 0x60030001,
  kCount = 0x60030002,
};

constexpr std::array<DispatchMember, 4> kMembers = {{
    {L"Item", kItem},
    {L"_NewEnum", kNewEnum},
    {L"Add", kAdd},
    {L"Count", kCount},
}};

bool isText(const VARIANT& value) {
  return V_VT(&value) == VT_BSTR || V_VT(&value) == (VT_BSTR | VT_BYREF);
}

class CommandBarsObject final : public DispatchObject {
public:
  explicit CommandBarsObject(std::shared_ptr<CommandBarsModel> model)
      : DispatchObject(kMembers, kIidCommandBars, kOfficeSource), model_(std::move(model)) {}

private:
  void invoke(DISPID id, DispatchCall& call) override {
    switch (id) {
    case kCount:
      call.expectGet();
      call.returnLong(model_->count());
      return;
    case kItem: {
      call.expectGet(1, 1);
      auto bar =
          isText(call.arg(0)) ? model_->item(call.stringArg(0)) : model_->item(call.longArg(0));
      call.returnDispatch(makeCommandBarObject(model_, bar).detach());
      return;
    }
    case kAdd: {
      call.expectMethod(0, 4);
      std::optional<std::u16string> name;
      if (call.present(0)) {
        name = call.stringArg(0);
      }
      auto bar = model_->add(std::move(name), call.longArg(1, kBarTop), call.boolArg(2, false),
                             call.boolArg(3, false));
      call.returnDispatch(makeCommandBarObject(model_, bar).detach());
      return;
    }
    case kNewEnum: {
      call.expectGet();
      std::vector<win32::ComPtr<IDispatch>> items;
      for (const auto& bar : model_->bars()) {
        items.push_back(makeCommandBarObject(model_, bar));
      }
      call.returnUnknown(makeVariantEnumerator(std::move(items)).detach());
      return;
    }
    default:
      throw DispatchFault(DISP_E_MEMBERNOTFOUND);
    }
  }

  std::shared_ptr<CommandBarsModel> model_;
};

} // namespace

win32::ComPtr<IDispatch> makeCommandBarsObject(std::shared_ptr<CommandBarsModel> model) {
  return win32::ComPtr<IDispatch>::adopt(new CommandBarsObject(std::move(model)));
}

} // namespace velmora::sim::vbide
