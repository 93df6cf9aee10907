#include "settings/settings_keys.hpp"

#include "support/text.hpp"

namespace velmora {

std::u16string numberedKey(std::u16string_view word, long long number) {
  std::u16string key(word);
  key += decimal(number);
  return key;
}

} // namespace velmora
