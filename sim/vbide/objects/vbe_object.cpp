#include "sim/vbide/objects/vbe_object.hpp"

#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/code_pane_object.hpp"
#include "sim/vbide/objects/command_bars_object.hpp"
#include "sim/vbide/objects/dispatch_object.hpp"
#include "sim/vbide/objects/events_object.hpp"
#include "sim/vbide/objects/ide_guids.hpp"
#include "sim/vbide/objects/vb_project_object.hpp"

#include <array>

namespace velmora::sim::vbide {

namespace {

enum : DISPID {
  kVersion = 0x64,
  kCommandBars = 0x6C,
  kEvents = 0x6F,
  kActiveVBProject = 0xC9,
  kActiveCodePane = 0xCE,
};

constexpr std::array<DispatchMember, 5> kMembers = {{
    {L"Version", kVersion},
    {L"CommandBars", kCommandBars},
    {L"Events", kEvents},
    {L"ActiveVBProject", kActiveVBProject},
    {L"ActiveCodePane", kActiveCodePane},
}};

class VbeObject final : public DispatchObject {
public:
  explicit VbeObject(std::shared_ptr<VbeWorld> world)
      : DispatchObject(kMembers, kIidVbe, kVbideSource), world_(std::move(world)) {}

private:
  void invoke(DISPID id, DispatchCall& call) override {
    call.expectGet();
    switch (id) {
    case kVersion:
      call.returnString(u"6.00");
      return;
    case kCommandBars:
      call.returnDispatch(makeCommandBarsObject(world_->bars).detach());
      return;
    case kEvents:
      call.returnDispatch(makeEventsObject(world_->bars).detach());
      return;
    case kActiveVBProject:
      call.returnDispatch(makeVbProjectObject(std::dynamic_pointer_cast<MemoryVbProject>(
                                                  world_->vbe->activeVBProject()))
                              .detach());
      return;
    case kActiveCodePane: {
      auto pane = world_->vbe->windows().active();
      call.returnDispatch(pane ? makeCodePaneObject(pane).detach() : nullptr);
      return;
    }
    default:
      throw DispatchFault(DISP_E_MEMBERNOTFOUND);
    }
  }

  std::shared_ptr<VbeWorld> world_;
};

} // namespace

win32::ComPtr<IDispatch> makeVbeObject(std::shared_ptr<VbeWorld> world) {
  return win32::ComPtr<IDispatch>::adopt(new VbeObject(std::move(world)));
}

win32::ComPtr<IDispatch> makeVbeObject(std::shared_ptr<MemoryVbe> vbe) {
  auto world = std::make_shared<VbeWorld>();
  world->vbe = std::move(vbe);
  world->bars = std::make_shared<CommandBarsModel>();
  world->bars->addBuiltInBars();
  return makeVbeObject(std::move(world));
}

} // namespace velmora::sim::vbide
