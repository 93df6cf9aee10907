#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::testing {

// A small generator with a fixed algorithm (splitmix64), so that a seed names the same run on
// every platform and library.
class Prng {
public:
  explicit Prng(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next();
  // A number from 0 to `count` - 1.
  std::size_t below(std::size_t count) { return static_cast<std::size_t>(next() % count); }
  int between(int low, int high) { return low + static_cast<int>(below(high - low + 1)); }
  bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }
  template <typename T> const T& pick(const std::vector<T>& from) {
    return from[below(from.size())];
  }

private:
  std::uint64_t state_;
};

// One call of the settings file's operations, with the texts as the ANSI functions take them
// (code page 932 bytes).
struct ProfileOperation {
  enum class Kind { Read, Write, ClearSection };

  Kind kind = Kind::Read;
  std::string section;
  std::string key;
  std::string value; // of a write

  std::string describe() const;
};

// The names the generated operations use: spelt in every case and with blanks around them,
// Japanese (Shift-JIS, some with 0x5C as trail byte), halfwidth kana, fullwidth letters.
const std::vector<std::string>& profileSections();
const std::vector<std::string>& profileKeys();

// Operations over those names: reads of present and missing keys, writes of blank, quoted,
// padded, Japanese and long values (around the 254-byte cut, double-byte characters across
// it), and sections cleared with an empty key list.
class ProfileOperations {
public:
  explicit ProfileOperations(std::uint64_t seed) : random_(seed) {}

  ProfileOperation next();

private:
  std::string value();
  std::string longValue();
  std::string mixedValue();

  Prng random_;
};

// The text with its control and non-ASCII bytes escaped, for failure messages.
std::string escaped(const std::string& bytes);

} // namespace velmora::testing
