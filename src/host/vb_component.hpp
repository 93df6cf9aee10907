#pragma once

#include "host/code_module.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace velmora {

// Component kinds as the IDE numbers them (others exist).
enum class ComponentType : std::int32_t { StdModule = 1, ClassModule = 2, Form = 5 };

class VbComponent {
public:
  virtual ~VbComponent() = default;

  virtual std::int32_t type() = 0;
  virtual std::u16string name() = 0;
  virtual std::shared_ptr<CodeModule> codeModule() = 0;
};

} // namespace velmora
