#include "sim/vbide/objects/control_click.hpp"

#include "com/com_ptr.hpp"
#include "sim/vbide/objects/command_bar_control_object.hpp"

#include <algorithm>

namespace velmora::sim::vbide {

ClickOutcome clickControl(const std::shared_ptr<CommandBarsModel>& model,
                          const std::shared_ptr<CommandBarControlModel>& control) {
  ClickOutcome outcome;
  if (control->deleted || !control->enabled) {
    return outcome;
  }
  const win32::ComPtr<IDispatch> object = makeCommandBarControlObject(model, control);
  VARIANT_BOOL handled = VARIANT_FALSE;
  VARIANT_BOOL cancelDefault = VARIANT_FALSE;
  // A handler may release event sources or delete the control: each source is looked up again
  // before its turn and held while it runs.
  const std::vector<ClickTarget*> targets = control->clickTargets;
  for (ClickTarget* target : targets) {
    const auto& live = control->clickTargets;
    if (std::find(live.begin(), live.end(), target) == live.end()) {
      continue;
    }
    const win32::ComPtr<IUnknown> hold(target->identity());
    target->deliverClick(object.get(), handled, cancelDefault, outcome.failures);
    ++outcome.sources;
  }
  outcome.handled = handled != VARIANT_FALSE;
  outcome.cancelDefault = cancelDefault != VARIANT_FALSE;
  return outcome;
}

} // namespace velmora::sim::vbide
