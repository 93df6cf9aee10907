#pragma once

#include <cstdint>
#include <string_view>

namespace velmora {

class SettingsFile;
class SettingsReader;

// The four options; each is on exactly when its value is 1.
struct Options {
  std::int16_t intNon = 0;      // ask for a type when a prefix is not registered
  std::int16_t intTenmetsu = 0; // blink the declared name
  std::int16_t intComment = 0;  // ask for a trailing comment
  std::int16_t intImeMode = 0;  // input method on in the comment dialog

  static constexpr bool isOn(std::int16_t value) { return value == 1; }
};

// One option from section "Velmora": a blank or missing value counts as "1"; any other text is
// converted with CIntFromText, so " 0 " reads 0 and "2" reads 2. Throws Error (type mismatch)
// for text that is not a number and Error (overflow) outside -32768..32767.
std::int16_t ReadOption(const SettingsReader& file, std::u16string_view key);

// The four options in the order "Non", "Tenmetsu", "Comment", "ImeMode", each stored as soon as
// it is read: when one throws, those before it are already set and the rest keep their values.
void LoadOptions(const SettingsReader& file, Options& options);
// The same from one snapshot of the file (one parse instead of four).
void LoadOptions(const SettingsFile& file, Options& options);

} // namespace velmora
