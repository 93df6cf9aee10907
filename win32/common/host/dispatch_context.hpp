#pragma once

#include "host/dispatch_names.hpp"

#include <functional>
#include <memory>

namespace velmora::win32 {

// What the adapter objects of one host share: the DISPIDs learnt so far, and how to keep the
// library loaded while the host holds an object of ours (the click sinks). Adapters created
// from one another share one context.
struct DispatchContext {
  DispatchNames names;
  // Called for every COM object handed to the host; the object keeps what it returns for as long
  // as it lives. Empty when nothing needs to be kept.
  std::function<std::shared_ptr<const void>()> holdLibrary;
};

} // namespace velmora::win32
