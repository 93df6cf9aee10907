#pragma once

#include "installer/profile_files.hpp"
#include "installer/setup_places.hpp"
#include "support/error.hpp"

#include <array>
#include <map>
#include <new>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velmora::testing {

// Profile files in memory. Each file accepts writes, or refuses them, throws (the add-in's
// error, or one of the standard library's), or says it took them and keeps nothing (as a write
// that went elsewhere would).
class FakeProfileFiles final : public ProfileFiles {
public:
  enum class Outcome { Accept, Refuse, Throw, ThrowForeign, Lose };

  using Write = std::array<std::u16string, 4>; // file, section, key, value

  bool write(std::u16string_view file, std::u16string_view section, std::u16string_view key,
             std::u16string_view value) override {
    writes.push_back({std::u16string(file), std::u16string(section), std::u16string(key),
                      std::u16string(value)});
    const auto rule = outcomes.find(std::u16string(file));
    const Outcome outcome = rule == outcomes.end() ? Outcome::Accept : rule->second;
    if (outcome == Outcome::Throw) {
      throw HostError(u"ファイルに書き込めません");
    }
    if (outcome == Outcome::ThrowForeign) {
      throw std::bad_alloc();
    }
    if (outcome == Outcome::Accept) {
      values[{std::u16string(file), std::u16string(section) + u"|" + std::u16string(key)}] = value;
    }
    return outcome == Outcome::Accept || outcome == Outcome::Lose;
  }

  std::u16string read(std::u16string_view file, std::u16string_view section,
                      std::u16string_view key) const override {
    const auto found =
        values.find({std::u16string(file), std::u16string(section) + u"|" + std::u16string(key)});
    return found == values.end() ? std::u16string() : found->second;
  }

  std::map<std::u16string, Outcome> outcomes; // by file; Accept when not named
  std::map<std::pair<std::u16string, std::u16string>, std::u16string> values;
  std::vector<Write> writes;
};

// A Windows directory, a local application data folder and the files that exist.
class FakeSetupPlaces final : public SetupPlaces {
public:
  std::u16string windowsDirectory() const override { return windows; }
  std::optional<std::u16string> localAppData() const override { return appData; }
  bool fileExists(std::u16string_view path) const override {
    return files.count(std::u16string(path)) != 0;
  }

  std::u16string windows = u"C:\\WINDOWS";
  std::optional<std::u16string> appData = u"C:\\Users\\山田\\AppData\\Local";
  std::set<std::u16string> files;
};

inline constexpr char16_t kWindowsList[] = u"C:\\WINDOWS\\VBADDIN.INI";
inline constexpr char16_t kStoreCopy[] =
    u"C:\\Users\\山田\\AppData\\Local\\VirtualStore\\WINDOWS\\VBADDIN.INI";

} // namespace velmora::testing
