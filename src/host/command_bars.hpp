#pragma once

#include "host/command_bar.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace velmora {

inline constexpr std::int32_t kBarPositionTop = 1;

class CommandBars {
public:
  virtual ~CommandBars() = default;

  virtual std::int32_t count() = 0;
  virtual std::shared_ptr<CommandBar> item(std::int32_t index) = 0;
  virtual std::shared_ptr<CommandBar> item(const std::u16string& name) = 0;
  // Adds a kept (non-temporary) bar; the menu-bar argument is omitted.
  virtual std::shared_ptr<CommandBar> add(const std::u16string& name, std::int32_t position) = 0;
};

} // namespace velmora
