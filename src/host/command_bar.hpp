#pragma once

#include "host/command_bar_control.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace velmora {

inline constexpr std::int32_t kControlTypeButton = 1;

class CommandBarControls {
public:
  virtual ~CommandBarControls() = default;

  virtual std::int32_t count() = 0;
  // 1-based position.
  virtual std::shared_ptr<CommandBarControl> item(std::int32_t index) = 0;
  // Appends a control of `type` at the end of the bar; the other arguments are omitted.
  virtual std::shared_ptr<CommandBarControl> add(std::int32_t type) = 0;
};

class CommandBar {
public:
  virtual ~CommandBar() = default;

  virtual std::u16string nameLocal() = 0;
  virtual void setVisible(bool visible) = 0;
  virtual std::shared_ptr<CommandBarControls> controls() = 0;
  virtual void deleteBar() = 0;
};

} // namespace velmora
