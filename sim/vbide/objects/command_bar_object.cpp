#include "sim/vbide/objects/command_bar_object.hpp"

#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/dispatch_object.hpp"
#include "sim/vbide/objects/ide_guids.hpp"

#include <algorithm>
#include <array>

namespace velmora::sim::vbide {

namespace {

enum : DISPID {
  kName = 0x60030010,
  kNameLocal = 0x60030011,
  kVisible = 0x60030012,
  kPosition = 0x60030013,
  kBuiltIn = 0x60030014,
  kIndex = 0x60030015,
  kControls = 0x60030016,
  kDelete = 0x60030017,
};

constexpr std::array<DispatchMember, 8> kMembers = {{
    {L"Name", kName},
    {L"NameLocal", kNameLocal},
    {L"Visible", kVisible},
    {L"Position", kPosition},
    {L"BuiltIn", kBuiltIn},
    {L"Index", kIndex},
    {L"Controls", kControls},
    {L"Delete", kDelete},
}};

class CommandBarObject final : public DispatchObject {
public:
  CommandBarObject(std::shared_ptr<CommandBarsModel> model, std::shared_ptr<CommandBarModel> bar)
      : DispatchObject(kMembers, kIidCommandBar, kOfficeSource), model_(std::move(model)),
        bar_(std::move(bar)) {}

private:
  void invoke(DISPID id, DispatchCall& call) override {
    CommandBarsModel::requireLive(*bar_);
    switch (id) {
    case kName:
      call.expectGet();
      call.returnString(bar_->name);
      return;
    case kNameLocal:
      call.expectGet();
      call.returnString(bar_->nameLocal);
      return;
    case kVisible:
      if (call.isPut()) {
        call.expectPut();
        bar_->visible = call.putBool();
        model_->changed();
        return;
      }
      call.expectGet();
      call.returnBool(bar_->visible);
      return;
    case kPosition:
      call.expectGet();
      call.returnLong(bar_->position);
      return;
    case kBuiltIn:
      call.expectGet();
      call.returnBool(bar_->builtIn);
      return;
    case kIndex: {
      call.expectGet();
      const auto& bars = model_->bars();
      const auto it = std::find(bars.begin(), bars.end(), bar_);
      call.returnLong(static_cast<std::int32_t>(it - bars.begin()) + 1);
      return;
    }
    case kControls:
      call.expectGet();
      call.returnDispatch(makeCommandBarControlsObject(model_, bar_).detach());
      return;
    case kDelete:
      call.expectMethod();
      model_->remove(*bar_);
      return;
    default:
      throw DispatchFault(DISP_E_MEMBERNOTFOUND);
    }
  }

  std::shared_ptr<CommandBarsModel> model_;
  std::shared_ptr<CommandBarModel> bar_;
};

} // namespace

win32::ComPtr<IDispatch> makeCommandBarObject(std::shared_ptr<CommandBarsModel> model,
                                              std::shared_ptr<CommandBarModel> bar) {
  return win32::ComPtr<IDispatch>::adopt(new CommandBarObject(std::move(model), std::move(bar)));
}

} // namespace velmora::sim::vbide
