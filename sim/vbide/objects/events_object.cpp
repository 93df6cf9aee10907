#include "sim/vbide/objects/events_object.hpp"

#include "sim/ide/host_messages.hpp"
#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/command_bar_control_object.hpp"
#include "sim/vbide/objects/command_bar_events_object.hpp"
#include "sim/vbide/objects/dispatch_object.hpp"
#include "sim/vbide/objects/ide_guids.hpp"

#include <array>

namespace velmora::sim::vbide {

namespace {

constexpr DISPID kCommandBarEvents = 0xCD;

constexpr std::array<DispatchMember, 1> kMembers = {{{L"CommandBarEvents", kCommandBarEvents}}};

class EventsObject final : public DispatchObject {
public:
  explicit EventsObject(std::shared_ptr<CommandBarsModel> model)
      : DispatchObject(kMembers, kIidEvents, kVbideSource), model_(std::move(model)) {}

private:
  void invoke(DISPID id, DispatchCall& call) override {
    if (id != kCommandBarEvents) {
      throw DispatchFault(DISP_E_MEMBERNOTFOUND);
    }
    call.expectGet(1, 1);
    auto control = controlModelOf(call.dispatchArg(0));
    if (!control || control->deleted) {
      throw AutomationError(vbErrorCode(5), kInvalidCallOrArgument);
    }
    call.returnDispatch(makeCommandBarEventsObject(model_, control).detach());
  }

  std::shared_ptr<CommandBarsModel> model_;
};

} // namespace

win32::ComPtr<IDispatch> makeEventsObject(std::shared_ptr<CommandBarsModel> model) {
  return win32::ComPtr<IDispatch>::adopt(new EventsObject(std::move(model)));
}

} // namespace velmora::sim::vbide
