#pragma once

#include "host/dispatch_object.hpp"
#include "host/vb_component.hpp"

namespace velmora::win32 {

// The IDE's VBComponent, late-bound.
class DispatchVbComponent final : public VbComponent {
public:
  explicit DispatchVbComponent(DispatchObject object) : object_(std::move(object)) {}

  std::int32_t type() override;
  std::u16string name() override;
  std::shared_ptr<CodeModule> codeModule() override;

private:
  DispatchObject object_;
};

} // namespace velmora::win32
