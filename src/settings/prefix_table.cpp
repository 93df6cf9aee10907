#include "settings/prefix_table.hpp"

#include "settings/settings_file.hpp"
#include "settings/settings_keys.hpp"
#include "support/text.hpp"

#include <algorithm>

namespace velmora {

Prefixes::Prefixes(std::vector<PrefixEntry> table) {
  const auto count =
      static_cast<std::int16_t>(std::min<std::size_t>(table.size(), kMaxPrefixCount));
  assign(std::move(table), count);
}

Prefixes::Prefixes(std::vector<PrefixEntry> table, std::int16_t count) {
  assign(std::move(table), count);
}

std::span<const PrefixEntry> Prefixes::entries() const {
  const auto count = std::min<std::size_t>(
      static_cast<std::size_t>(std::max<std::int16_t>(count_, 0)), table_.size());
  return {table_.data(), count};
}

const PrefixEntry* Prefixes::find(std::u16string_view word) const {
  const std::optional<std::size_t> found = index_.firstMatch(word);
  return found ? &table_[*found] : nullptr;
}

void Prefixes::assign(std::vector<PrefixEntry> table, std::int16_t count) {
  table_ = std::move(table);
  count_ = count;
  index_ = PrefixIndex(entries());
}

std::vector<PrefixEntry> Prefixes::releaseTable() {
  std::vector<PrefixEntry> table = std::move(table_);
  table_.clear();
  count_ = 0;
  index_ = PrefixIndex();
  return table;
}

void LoadPrefixTable(const SettingsReader& file, Prefixes& prefixes) {
  std::vector<PrefixEntry> table = prefixes.releaseTable();
  std::int16_t count = 0;
  while (count < kMaxPrefixCount) {
    const long long n = count + 1;
    std::u16string settouChar = file.IniGet(kSettingsSection, numberedKey(kSettouCharKey, n));
    std::u16string kata = file.IniGet(kSettingsSection, numberedKey(kKataKey, n));
    if (isBlank(settouChar) || isBlank(kata)) {
      break;
    }
    const auto index = static_cast<std::size_t>(count);
    if (table.size() <= index) {
      table.resize(index + 1);
    }
    table[index] = PrefixEntry{std::move(settouChar), std::move(kata)};
    ++count;
  }
  prefixes.assign(std::move(table), count);
}

void LoadPrefixTable(const SettingsFile& file, Prefixes& prefixes) {
  const SettingsSnapshot snapshot = file.snapshot();
  LoadPrefixTable(static_cast<const SettingsReader&>(snapshot), prefixes);
}

} // namespace velmora
