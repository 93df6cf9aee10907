// Figures for the settings file: reads of one key and of the whole prefix table from a file of
// 200 pairs, and the settings dialog's rewrite of that file, key by key and in one update.
#include "settings/settings_file.hpp"

#include "hotkey/hot_key.hpp"
#include "settings/hot_key_settings.hpp"
#include "settings/options.hpp"
#include "settings/prefix_table.hpp"
#include "settings/settings_keys.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/system/sim_file_store.hpp"
#include "support/text.hpp"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>
#include <string>

namespace velmora {
namespace {

constexpr int kPairs = 200;

class BenchDir {
public:
  BenchDir() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("velmora-bench-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~BenchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  BenchDir(const BenchDir&) = delete;
  BenchDir& operator=(const BenchDir&) = delete;
  std::u16string directory() const { return path_.u16string(); }

private:
  std::filesystem::path path_;
};

std::u16string prefixOf(int n) {
  return u"pre" + decimal(n);
}
std::u16string typeOf(int n) {
  return u"型名" + decimal(n);
}

// What the settings dialog's OK writes: the pairs, the options, the hotkeys, key by key.
void rewriteKeyByKey(SettingsFile& file) {
  file.IniPutSection(kSettingsSection);
  for (int n = 1; n <= kPairs; ++n) {
    file.IniPut(kSettingsSection, numberedKey(kSettouCharKey, n), prefixOf(n));
    file.IniPut(kSettingsSection, numberedKey(kKataKey, n), typeOf(n));
  }
  for (const std::u16string_view key : {kNonKey, kTenmetsuKey, kCommentKey, kImeModeKey}) {
    file.IniPut(kSettingsSection, key, u"1");
  }
  for (int n = 1; n <= kHotKeySlots; ++n) {
    file.IniPut(kSettingsSection, numberedKey(kHotKeyFlgKey, n), decimal(kDefaultHotKeyFlg));
    file.IniPut(kSettingsSection, numberedKey(kHotKeyKeyKey, n),
                decimal(kDefaultHotKeyKeys[static_cast<std::size_t>(n - 1)]));
  }
}

// The same writes applied to the document in memory, then one replacement of the file.
void rewriteInOneUpdate(SettingsFile& file) {
  file.update([](ProfileDocument& document) {
    document.clearSection(kSettingsSection);
    for (int n = 1; n <= kPairs; ++n) {
      document.set(kSettingsSection, numberedKey(kSettouCharKey, n), prefixOf(n));
      document.set(kSettingsSection, numberedKey(kKataKey, n), typeOf(n));
    }
    for (const std::u16string_view key : {kNonKey, kTenmetsuKey, kCommentKey, kImeModeKey}) {
      document.set(kSettingsSection, key, u"1");
    }
    for (int n = 1; n <= kHotKeySlots; ++n) {
      document.set(kSettingsSection, numberedKey(kHotKeyFlgKey, n), decimal(kDefaultHotKeyFlg));
      document.set(kSettingsSection, numberedKey(kHotKeyKeyKey, n),
                   decimal(kDefaultHotKeyKeys[static_cast<std::size_t>(n - 1)]));
    }
    return true;
  });
}

struct Fixture {
  BenchDir dir;
  sim::IconvAnsiCodec codec;
  sim::SimFileStore files;
  SettingsFile file{dir.directory(), codec, files};
  Fixture() { rewriteInOneUpdate(file); }
};

// Reads through the file itself, one parse per key, as a reader without a snapshot would.
class PerKeyReader final : public SettingsReader {
public:
  explicit PerKeyReader(const SettingsFile& file) : file_(file) {}
  std::u16string IniGet(std::u16string_view section, std::u16string_view key) const override {
    return file_.IniGet(section, key);
  }

private:
  const SettingsFile& file_;
};

void IniGetOneKey(benchmark::State& state) {
  Fixture fixture;
  while (state.KeepRunning()) {
    benchmark::DoNotOptimize(fixture.file.IniGet(kSettingsSection, u"Kata200"));
  }
}
BENCHMARK(IniGetOneKey);

void SnapshotIniGetOneKey(benchmark::State& state) {
  Fixture fixture;
  const SettingsSnapshot snapshot = fixture.file.snapshot();
  while (state.KeepRunning()) {
    benchmark::DoNotOptimize(snapshot.IniGet(kSettingsSection, u"Kata200"));
  }
}
BENCHMARK(SnapshotIniGetOneKey);

void ParseOnly(benchmark::State& state) {
  Fixture fixture;
  const std::optional<ProfileDocument> document =
      ProfileFile(fixture.file.path(), fixture.codec, fixture.files).load();
  const std::string bytes = document->bytes();
  while (state.KeepRunning()) {
    benchmark::DoNotOptimize(ProfileDocument::parse(bytes, fixture.codec));
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(ParseOnly);

void LoadPrefixTableFromSnapshot(benchmark::State& state) {
  Fixture fixture;
  Prefixes prefixes;
  while (state.KeepRunning()) {
    LoadPrefixTable(fixture.file, prefixes);
  }
  state.counters["pairs"] = prefixes.PrefixCount;
}
BENCHMARK(LoadPrefixTableFromSnapshot)->Unit(benchmark::kMicrosecond);

void LoadPrefixTableKeyByKey(benchmark::State& state) {
  Fixture fixture;
  const PerKeyReader reader(fixture.file);
  Prefixes prefixes;
  while (state.KeepRunning()) {
    LoadPrefixTable(reader, prefixes);
  }
  state.counters["pairs"] = prefixes.PrefixCount;
}
BENCHMARK(LoadPrefixTableKeyByKey)->Unit(benchmark::kMillisecond);

void ReadOptionsAndHotKeys(benchmark::State& state) {
  Fixture fixture;
  Options options;
  HotKeys hotKeys{};
  while (state.KeepRunning()) {
    LoadOptions(fixture.file, options);
    ReadHotKeys(fixture.file, hotKeys);
  }
}
BENCHMARK(ReadOptionsAndHotKeys)->Unit(benchmark::kMicrosecond);

void DialogRewriteKeyByKey(benchmark::State& state) {
  Fixture fixture;
  while (state.KeepRunning()) {
    rewriteKeyByKey(fixture.file);
  }
  state.counters["writes"] = 1 + 2 * kPairs + 4 + 2 * kHotKeySlots;
}
BENCHMARK(DialogRewriteKeyByKey)->Unit(benchmark::kMillisecond);

void DialogRewriteInOneUpdate(benchmark::State& state) {
  Fixture fixture;
  while (state.KeepRunning()) {
    rewriteInOneUpdate(fixture.file);
  }
}
BENCHMARK(DialogRewriteInOneUpdate)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace velmora

BENCHMARK_MAIN();
