#pragma once

#include "host/vb_components.hpp"

#include <memory>

namespace velmora {

class VbProject {
public:
  virtual ~VbProject() = default;

  virtual std::shared_ptr<VbComponents> vbComponents() = 0;
};

} // namespace velmora
