// The settings file under Wine, read the design's way and ours, in one process and one run:
// the connection's load (the prefix table, the options and the hotkeys) and an activation's
// re-read of the hotkeys. The design's way asks the system's profile functions for every key
// (GetPrivateProfileStringA with a 256-byte buffer); ours parses the file once.
//   scripts/wine-run.sh build/cross/wine build/cross/bin/bench_wine_profile_reads.exe
#include "../bench_table.hpp"
#include "services/win32_ansi_codec.hpp"
#include "services/win32_file_store.hpp"
#include "settings/hot_key_settings.hpp"
#include "settings/options.hpp"
#include "settings/prefix_table.hpp"
#include "settings/settings_file.hpp"
#include "settings/settings_keys.hpp"
#include "settings/settings_save.hpp"
#include "settings/vb_number.hpp"
#include "support/text.hpp"

#include <algorithm>
#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <windows.h>

namespace velmora::bench {
namespace {

constexpr std::array<int, 2> kSizes = {1000, kMaxPrefixCount};
constexpr int kRuns = 11;

// IniGet as the design has it: one call of the system's profile function per key.
class ProfileFunctions final : public SettingsReader {
public:
  ProfileFunctions(std::string path, const AnsiCodec& codec)
      : path_(std::move(path)), codec_(codec) {}

  std::u16string IniGet(std::u16string_view section, std::u16string_view key) const override {
    std::array<char, 256> buffer{};
    GetPrivateProfileStringA(codec_.encode(section).c_str(), codec_.encode(key).c_str(), "",
                             buffer.data(), 255, path_.c_str());
    return codec_.decode(buffer.data());
  }

  // Wine keeps the files it read last; this one is read afresh next time.
  void forget() const { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str()); }

private:
  std::string path_;
  const AnsiCodec& codec_;
};

struct Loaded {
  Prefixes prefixes;
  Options options;
  HotKeys hotKeys{};
};

// The eight reads of an activation (the keys are there, so nothing is repaired).
void designHotKeys(const SettingsReader& reader, HotKeys& hotKeys) {
  for (int n = 1; n <= kHotKeySlots; ++n) {
    HotKey& slot = hotKeys[static_cast<std::size_t>(n - 1)];
    slot.HotKeyFlg = CLngFromText(reader.IniGet(kSettingsSection, numberedKey(kHotKeyFlgKey, n)));
    slot.Key = CLngFromText(reader.IniGet(kSettingsSection, numberedKey(kHotKeyKeyKey, n)));
  }
}

void designLoad(const SettingsReader& reader, Loaded& loaded) {
  LoadPrefixTable(reader, loaded.prefixes);
  LoadOptions(reader, loaded.options);
  designHotKeys(reader, loaded.hotKeys);
}

// What the connection does: one parse for the table, the options and the hotkeys.
void ourLoad(SettingsFile& file, Loaded& loaded) {
  const SettingsSnapshot read = file.snapshot();
  LoadPrefixTable(read, loaded.prefixes);
  LoadOptions(read, loaded.options);
  ReadHotKeys(file, read, loaded.hotKeys);
}

// What the settings form's timer does at an activation: one parse for the eight values.
void ourActivation(SettingsFile& file, HotKeys& hotKeys) {
  const SettingsSnapshot read = file.snapshot();
  for (int n = 1; n <= kHotKeySlots; ++n) {
    HotKey& slot = hotKeys[static_cast<std::size_t>(n - 1)];
    slot.HotKeyFlg = ReadHotKeyValue(file, read, numberedKey(kHotKeyFlgKey, n), kDefaultHotKeyFlg);
    slot.Key = ReadHotKeyValue(file, read, numberedKey(kHotKeyKeyKey, n),
                               kDefaultHotKeyKeys[static_cast<std::size_t>(n - 1)]);
  }
}

bool sameLoad(const Loaded& a, const Loaded& b) {
  return a.prefixes.PrefixCount() == b.prefixes.PrefixCount() &&
         std::equal(a.prefixes.entries().begin(), a.prefixes.entries().end(),
                    b.prefixes.entries().begin()) &&
         a.options.intNon == b.options.intNon && a.options.intImeMode == b.options.intImeMode &&
         std::equal(a.hotKeys.begin(), a.hotKeys.end(), b.hotKeys.begin(),
                    [](const HotKey& x, const HotKey& y) {
                      return x.HotKeyFlg == y.HotKeyFlg && x.Key == y.Key;
                    });
}

std::filesystem::path freshDirectory() {
  std::array<wchar_t, MAX_PATH + 1> temp{};
  GetTempPathW(static_cast<DWORD>(temp.size()), temp.data());
  std::filesystem::path dir = std::filesystem::path(temp.data()) /
                              ("velmora-bench-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(dir);
  return dir;
}

std::u16string windowsSpelling(const std::filesystem::path& path) {
  const std::wstring text = path.wstring();
  return {text.begin(), text.end()};
}

// A table of `pairs` entries, none of which begins another: "pre1_" Type1, "pre2_" 型名2, ...
Prefixes generatedTable(int pairs) {
  std::vector<PrefixEntry> table;
  for (int n = 1; n <= pairs; ++n) {
    table.push_back({u"pre" + decimal(n) + u"_", (n % 2 == 1 ? u"Type" : u"型名") + decimal(n)});
  }
  return Prefixes(std::move(table));
}

std::string pairsText(int pairs) {
  return pairs == kMaxPrefixCount ? "32,767" : "1,000";
}

} // namespace
} // namespace velmora::bench

int main() {
  using namespace velmora;
  using namespace velmora::bench;
  const win32::Win32AnsiCodec codec;
  win32::Win32FileStore files;
  const std::filesystem::path dir = freshDirectory();
  SettingsFile file(windowsSpelling(dir), codec, files);
  const ProfileFunctions design(codec.encode(file.windowsPath()), codec);

  Table load("The connection's load under Wine: the table, the options and the hotkeys",
             {"pairs", "design: key by key", "ours: one parse", "ours faster by", "target", ""});
  Table activation("An activation's re-read of the four hotkeys under Wine",
                   {"pairs", "file since the last read", "design: 8 profile reads",
                    "ours: one parse at most", "ours faster by", "target", ""});
  for (const int pairs : kSizes) {
    const HotKeys hotKeys{{{6, 68}, {6, 80}, {6, 71}, {6, 66}}};
    if (!SaveSettings(file, generatedTable(pairs), Options{1, 0, 0, 1}, hotKeys)) {
      throw std::runtime_error("the settings file cannot be written");
    }
    design.forget();

    // Key by key at the limit takes about a minute: once is enough.
    const bool limit = pairs == kMaxPrefixCount;
    Loaded designLoaded;
    Loaded ourLoaded;
    const Duration designTime = median(limit ? 1 : 5, [&] {
      design.forget();
      return timed([&] { designLoad(design, designLoaded); });
    });
    const Duration ourTime =
        median(kRuns, [&] { return timed([&] { ourLoad(file, ourLoaded); }); });
    if (designLoaded.prefixes.PrefixCount() != pairs || !sameLoad(designLoaded, ourLoaded)) {
      throw std::runtime_error("the two ways read different settings");
    }
    const double loadRatio = designTime / ourTime;
    load.row({pairsText(pairs), show(designTime), show(ourTime), showRatio(loadRatio),
              limit ? ">= 100x" : "", limit ? (loadRatio >= 100 ? "met" : "MISSED") : ""});

    // Unchanged since the last read: Wine reads its copy of the file; ours compares the bytes
    // with those it parsed last.
    HotKeys read{};
    const Duration designReads =
        median(21, [&] { return timed([&] { designHotKeys(design, read); }); });
    const Duration ourReads = median(21, [&] { return timed([&] { ourActivation(file, read); }); });
    // Changed since: both read and parse it again.
    int change = 0;
    const auto changeFile = [&] {
      file.IniPut(kSettingsSection, u"Other", decimal(++change));
      design.forget();
    };
    const Duration designCold = median(21, [&] {
      changeFile();
      return timed([&] { designHotKeys(design, read); });
    });
    const Duration ourCold = median(21, [&] {
      changeFile();
      return timed([&] { ourActivation(file, read); });
    });
    const double warmRatio = designReads / ourReads;
    const double coldRatio = designCold / ourCold;
    activation.row({pairsText(pairs), "unchanged", show(designReads), show(ourReads),
                    showRatio(warmRatio), limit ? "ours no slower" : "",
                    limit ? (warmRatio >= 1 ? "met" : "MISSED") : ""});
    activation.row({pairsText(pairs), "changed", show(designCold), show(ourCold),
                    showRatio(coldRatio), limit ? "ours no slower" : "",
                    limit ? (coldRatio >= 1 ? "met" : "MISSED") : ""});
  }
  std::printf("Medians (key by key at 32,767 pairs: one run); Release build under Wine.\n");
  load.print();
  activation.print();
  design.forget();
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
  return 0;
}
