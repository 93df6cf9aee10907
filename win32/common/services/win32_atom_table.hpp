#pragma once

#include "ports/atom_table.hpp"

namespace velmora::win32 {

// The system's global atom table (GlobalAddAtomA / GlobalDeleteAtom): adding a name that is
// there already returns the same atom and holds one more reference; each removal lets go of one.
class Win32AtomTable final : public AtomTable {
public:
  // 0 when the system refuses the name (empty, too long, a full table) or the name holds a NUL,
  // which the system would take for its end.
  std::uint16_t add(const std::string& name) override;
  void remove(std::uint16_t atom) override;
};

} // namespace velmora::win32
