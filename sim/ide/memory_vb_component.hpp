#pragma once

#include "host/vb_component.hpp"
#include "sim/ide/memory_code_module.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace velmora::sim {

// A component of an in-memory project: a name, a kind (the IDE's type number) and its code.
class MemoryVbComponent final : public VbComponent {
public:
  MemoryVbComponent(std::u16string name, std::int32_t type,
                    std::shared_ptr<MemoryCodeModule> module);

  std::int32_t type() override { return type_; }
  std::u16string name() override { return name_; }
  std::shared_ptr<CodeModule> codeModule() override { return module_; }

  const std::u16string& componentName() const { return name_; }
  const std::shared_ptr<MemoryCodeModule>& module() const { return module_; }

private:
  std::u16string name_;
  std::int32_t type_;
  std::shared_ptr<MemoryCodeModule> module_;
};

} // namespace velmora::sim
