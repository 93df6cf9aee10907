#pragma once

#include "host/code_module.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace velmora {

// Component kinds as the IDE numbers them (others exist).
// The IDE's component kinds (VBComponent.Type); the add-in itself tells only standard modules
// apart, the others are the kinds of the source files a project holds.
enum class ComponentType : std::int32_t {
  StdModule = 1,
  ClassModule = 2,
  Form = 5,
  MdiForm = 6,
  PropertyPage = 7,
  UserControl = 8,
  UserDocument = 9,
};

class VbComponent {
public:
  virtual ~VbComponent() = default;

  virtual std::int32_t type() = 0;
  virtual std::u16string name() = 0;
  virtual std::shared_ptr<CodeModule> codeModule() = 0;
};

} // namespace velmora
