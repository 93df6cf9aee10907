#pragma once

#include "host/command_bars.hpp"
#include "host/dispatch_object.hpp"

namespace velmora::win32 {

// The IDE's Office command-bar collection, late-bound.
class DispatchCommandBars final : public CommandBars {
public:
  explicit DispatchCommandBars(DispatchObject object) : object_(std::move(object)) {}

  std::int32_t count() override;
  // Item by a 16-bit position.
  std::shared_ptr<CommandBar> item(std::int32_t index) override;
  std::shared_ptr<CommandBar> item(const std::u16string& name) override;
  // Add(Name, Position, MenuBar, Temporary) with the last two omitted.
  std::shared_ptr<CommandBar> add(const std::u16string& name, std::int32_t position) override;

private:
  std::shared_ptr<CommandBar> bar(const OwnedVariant& result) const;

  DispatchObject object_;
};

} // namespace velmora::win32
