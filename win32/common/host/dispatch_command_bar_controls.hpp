#pragma once

#include "host/command_bar.hpp"
#include "host/dispatch_object.hpp"

namespace velmora::win32 {

// The controls of an Office command bar, late-bound.
class DispatchCommandBarControls final : public CommandBarControls {
public:
  explicit DispatchCommandBarControls(DispatchObject object) : object_(std::move(object)) {}

  std::int32_t count() override;
  std::shared_ptr<CommandBarControl> item(std::int32_t index) override;
  // Add(Type, Id, Parameter, Before, Temporary) with all but the type omitted.
  std::shared_ptr<CommandBarControl> add(std::int32_t type) override;

private:
  std::shared_ptr<CommandBarControl> control(const OwnedVariant& result) const;

  DispatchObject object_;
};

} // namespace velmora::win32
