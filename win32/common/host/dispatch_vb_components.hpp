#pragma once

#include "host/dispatch_object.hpp"
#include "host/vb_components.hpp"

namespace velmora::win32 {

// The IDE's VBComponents collection, late-bound.
class DispatchVbComponents final : public VbComponents {
public:
  explicit DispatchVbComponents(DispatchObject object) : object_(std::move(object)) {}

  std::int32_t count() override;
  std::shared_ptr<VbComponent> item(std::int32_t index) override;

private:
  DispatchObject object_;
};

} // namespace velmora::win32
