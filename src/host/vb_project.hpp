#pragma once

#include <memory>

#include "host/vb_components.hpp"

namespace velmora {

class VbProject {
public:
  virtual ~VbProject() = default;

  virtual std::shared_ptr<VbComponents> vbComponents() = 0;
};

} // namespace velmora
