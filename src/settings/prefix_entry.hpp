#pragma once

#include <string>

namespace velmora {

// One record of the prefix table: a name beginning with SettouChar gets the type Kata.
struct PrefixEntry {
  std::u16string SettouChar; // prefix characters
  std::u16string Kata;       // type name

  friend bool operator==(const PrefixEntry&, const PrefixEntry&) = default;
};

} // namespace velmora
