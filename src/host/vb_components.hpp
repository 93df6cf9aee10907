#pragma once

#include "host/vb_component.hpp"

#include <cstdint>
#include <memory>

namespace velmora {

// The components of a project, in a stable order; positions are 1-based.
class VbComponents {
public:
  virtual ~VbComponents() = default;

  virtual std::int32_t count() = 0;
  virtual std::shared_ptr<VbComponent> item(std::int32_t index) = 0;
};

} // namespace velmora
