#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// The system's global atom table (reference-counted string atoms, 0xC000 and up).
class AtomTable {
public:
  virtual ~AtomTable() = default;

  // Returns the atom, 0 on failure.
  virtual std::uint16_t add(const std::string& name) = 0;
  virtual void remove(std::uint16_t atom) = 0;
};

} // namespace velmora
