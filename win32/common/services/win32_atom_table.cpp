#include "services/win32_atom_table.hpp"

#include <windows.h>

namespace velmora::win32 {

std::uint16_t Win32AtomTable::add(const std::string& name) {
  if (name.find('\0') != std::string::npos) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return GlobalAddAtomA(name.c_str());
}

void Win32AtomTable::remove(std::uint16_t atom) {
  GlobalDeleteAtom(atom);
}

} // namespace velmora::win32
