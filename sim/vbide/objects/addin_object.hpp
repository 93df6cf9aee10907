#pragma once

#include "com/com_ptr.hpp"

#include <memory>
#include <ole2.h>
#include <string>

namespace velmora::sim::vbide {

// The IDE's AddIn object for one add-in, handed to it in OnConnection: ProgId, Guid (its class
// identifier in braces), Description, Connect (whether it is connected now), VBE, and Object,
// which the add-in may set to anything it wants other add-ins to reach.
struct AddInState {
  std::u16string progId;
  std::u16string guid;
  std::u16string description;
  bool connected = false;
};

win32::ComPtr<IDispatch> makeAddInObject(std::shared_ptr<AddInState> state,
                                         win32::ComPtr<IDispatch> vbe);

} // namespace velmora::sim::vbide
