#pragma once

#include <ole2.h>
#include <string>
#include <vector>

namespace velmora::sim::vbide {

// What a button's click is delivered to: an event source of the button (a CommandBarEvents
// object), which passes it on to its connected sinks.
class ClickTarget {
public:
  // Delivers Click(control, handled, cancelDefault) to every sink; a sink's failure is added to
  // `failures` (its description) and the other sinks still hear the click.
  virtual void deliverClick(IDispatch* control, VARIANT_BOOL& handled, VARIANT_BOOL& cancelDefault,
                            std::vector<std::u16string>& failures) = 0;
  // The target's COM identity, held while the click is delivered.
  virtual IUnknown* identity() = 0;

protected:
  ~ClickTarget() = default;
};

} // namespace velmora::sim::vbide
