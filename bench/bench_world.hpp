#pragma once

// The add-in's world for the benchmarks: a settings file of a given number of pairs in a fresh
// directory, and the IDE on a simulated desktop with its code windows and command bars in
// memory, as the native tests have it.

#include "host/addin_services.hpp"
#include "host/addin_state.hpp"
#include "host/connection.hpp"
#include "settings/settings_file.hpp"
#include "settings/settings_save.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/commandbars/memory_command_bars.hpp"
#include "sim/forms/scripted_toolkit.hpp"
#include "sim/ide/memory_vbe.hpp"
#include "sim/system/sim_desktop.hpp"
#include "sim/system/sim_file_store.hpp"
#include "sim/system/sim_library_info.hpp"
#include "support/text.hpp"

#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::bench {

// A fresh directory, removed with everything in it afterwards.
class BenchDir {
public:
  BenchDir() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("velmora-bench-" + std::to_string(random()) + std::to_string(random()));
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

// A table of `pairs` entries, none of which begins another: "pre1" String, "pre2" 型名2, ...
inline std::vector<PrefixEntry> generatedTable(int pairs) {
  std::vector<PrefixEntry> table;
  table.reserve(static_cast<std::size_t>(pairs));
  for (int n = 1; n <= pairs; ++n) {
    table.push_back({u"pre" + decimal(n) + u"_", (n % 2 == 1 ? u"Type" : u"型名") + decimal(n)});
  }
  return table;
}

// The file as the settings dialog's OK writes it: the pairs, the options, the hotkeys.
inline void writeSettings(SettingsFile& file, int pairs) {
  const HotKeys hotKeys{{{6, 68}, {6, 80}, {6, 71}, {6, 66}}};
  if (!SaveSettings(file, Prefixes(generatedTable(pairs)), Options{1, 0, 0, 1}, hotKeys)) {
    throw std::runtime_error("the settings file cannot be written");
  }
}

// The loaded library's world: one IDE on a desktop, the settings file of `pairs` pairs beside
// the library, the state and the connection.
struct AddinWorld {
  explicit AddinWorld(int pairs) {
    world->clipboard = &desktop.clipboard();
    memoryVbe.plugCommandBars(bars, events);
    writeSettings(settings, pairs);
  }

  BenchDir dir;
  sim::IconvAnsiCodec codec;
  sim::SimFileStore files;
  SettingsFile settings{dir.directory(), codec, files};
  sim::SimDesktop desktop;
  sim::SimProgram& ide = desktop.createProgram("VB6");
  sim::SimLibraryInfo library{dir.directory(), {1, 0}};
  sim::ScriptedToolkit toolkit{&ide.ui()};
  std::shared_ptr<sim::CommandBarWorld> world = std::make_shared<sim::CommandBarWorld>();
  std::shared_ptr<sim::MemoryCommandBars> bars = std::make_shared<sim::MemoryCommandBars>(world);
  std::shared_ptr<sim::MemoryEvents> events = std::make_shared<sim::MemoryEvents>(world);
  sim::MemoryVbe memoryVbe;
  AddinServices services{toolkit,
                         ide.pump(),
                         desktop.atoms(),
                         ide.hotkeys(),
                         ide.procedures(),
                         desktop.clipboard(),
                         library,
                         codec,
                         files};
  AddinState state;
  Connection connection{state, services};

  void connect() {
    connection.OnConnection(std::shared_ptr<Vbe>(&memoryVbe, [](Vbe*) {}));
  }
};

} // namespace velmora::bench
