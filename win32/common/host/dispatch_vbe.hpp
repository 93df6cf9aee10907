#pragma once

#include "host/dispatch_object.hpp"
#include "host/vbe.hpp"

#include <memory>

namespace velmora::win32 {

// The IDE's VBE object, late-bound: the root of every other adapter object.
class DispatchVbe final : public Vbe {
public:
  explicit DispatchVbe(DispatchObject object) : object_(std::move(object)) {}

  // The object the IDE handed over, as the VBE; null when it is none or cannot serve as one
  // (it does not know the members the add-in uses by name).
  static std::shared_ptr<DispatchVbe> resolve(IDispatch* vbInst,
                                              std::shared_ptr<DispatchContext> context);

  // Null when the host answers Nothing or an empty value.
  std::shared_ptr<CodePane> activeCodePane() override;
  std::shared_ptr<VbProject> activeVBProject() override;
  std::shared_ptr<CommandBars> commandBars() override;
  std::shared_ptr<Events> events() override;

  IDispatch* dispatch() const noexcept { return object_.dispatch(); }

private:
  DispatchObject object_;
};

} // namespace velmora::win32
