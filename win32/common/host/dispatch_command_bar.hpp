#pragma once

#include "host/command_bar.hpp"
#include "host/dispatch_object.hpp"

namespace velmora::win32 {

// An Office command bar, late-bound.
class DispatchCommandBar final : public CommandBar {
public:
  explicit DispatchCommandBar(DispatchObject object) : object_(std::move(object)) {}

  std::u16string nameLocal() override;
  void setVisible(bool visible) override;
  std::shared_ptr<CommandBarControls> controls() override;
  void deleteBar() override;

private:
  DispatchObject object_;
};

} // namespace velmora::win32
