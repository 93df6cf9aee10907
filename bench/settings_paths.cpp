// The settings file's paths at the size the prefix table may reach: the connection's load, the
// re-read at every activation of the IDE, and the settings dialog's OK. Each runs through the
// add-in as the IDE drives it, on the in-memory IDE, the scripted forms and the simulated
// desktop, with the settings file on disk.
#include "bench_table.hpp"
#include "bench_world.hpp"
#include "settings/hot_key_settings.hpp"
#include "settings/options.hpp"
#include "settings/prefix_table.hpp"
#include "settings/settings_form.hpp"
#include "settings/settings_keys.hpp"

#include <algorithm>
#include <array>
#include <string>

namespace velmora::bench {
namespace {

constexpr std::array<int, 2> kSizes = {1000, kMaxPrefixCount};
constexpr int kRuns = 11;

std::string pairsText(int pairs) {
  return pairs == kMaxPrefixCount ? "32,767" : "1,000";
}

// What the connection reads from the file, the way it reads it: one parse, then the table, the
// options and (in the settings form's load) the hotkeys.
Duration readSettings(AddinWorld& world) {
  return timed([&] {
    const SettingsSnapshot read = world.settings.snapshot();
    LoadPrefixTable(read, world.state.prefixes);
    LoadOptions(read, world.state.options);
    ReadHotKeys(world.settings, read, world.state.hotKeys);
  });
}

void connectionLoad() {
  Table table("The connection's load (OnConnection)",
              {"pairs", "reading the settings: table, options, hotkeys", "target", "",
               "whole OnConnection (toolbar, settings form with the list)"});
  for (const int pairs : kSizes) {
    const Duration read = median(kRuns, [&] {
      AddinWorld world(pairs);
      return readSettings(world);
    });
    const Duration whole = median(kRuns, [&] {
      AddinWorld world(pairs);
      const Duration connecting = timed([&] { world.connect(); });
      if (world.state.prefixes.PrefixCount() != pairs || !world.toolkit.messages().empty()) {
        throw std::runtime_error("the connection did not load the table");
      }
      world.connection.OnDisconnection();
      return connecting;
    });
    const bool limit = pairs == kMaxPrefixCount;
    table.row({pairsText(pairs), show(read), limit ? "< 50 ms" : "",
               limit ? verdict(read, Duration(50)) : "", show(whole)});
  }
  table.print();
}

void activation() {
  Table table(
      "An activation of the IDE: the hotkeys re-read and registered (Timer1)",
      {"pairs", "file unchanged since the last read", "file changed (one parse)", "target", ""});
  for (const int pairs : kSizes) {
    AddinWorld world(pairs);
    world.connect();
    // The timer's 10 ms pass: its handler reads the file and registers the four hotkeys.
    const auto activate = [&] {
      world.ide.activate(false);
      world.ide.activate(true);
      const Duration run = timed([&] { world.desktop.runFor(10); });
      if (world.desktop.hotkeys().count() != 4) {
        throw std::runtime_error("the activation did not register the hotkeys");
      }
      return run;
    };
    const Duration unchanged = median(kRuns, activate);
    int change = 0;
    const Duration changed = median(kRuns, [&] {
      // Another IDE wrote the file meanwhile.
      world.settings.IniPut(kSettingsSection, u"Other", decimal(++change));
      return activate();
    });
    const bool limit = pairs == kMaxPrefixCount;
    const Duration worst = std::max(unchanged, changed);
    table.row({pairsText(pairs), show(unchanged), show(changed), limit ? "< 10 ms" : "",
               limit ? verdict(worst, Duration(10)) : ""});
    world.connection.OnDisconnection();
  }
  table.print();
}

void settingsOk() {
  Table table("The settings dialog's OK: the table, options and hotkeys written, the hotkeys "
              "registered again",
              {"pairs", "OK", "target", ""});
  for (const int pairs : kSizes) {
    AddinWorld world(pairs);
    world.connect();
    const Duration figure = median(kRuns, [&] {
      Duration run{};
      world.toolkit.whenShown("frmVelmora", [&](sim::ScriptedForm& form) {
        run = timed([&] { form.click("cmbOk"); });
      });
      SettingsForm& form = *world.state.frmVelmora;
      form.HotDispSet();
      form.showModal();
      if (!world.toolkit.messages().empty()) {
        throw std::runtime_error("OK did not write the file");
      }
      return run;
    });
    const bool limit = pairs == kMaxPrefixCount;
    table.row({pairsText(pairs), show(figure), limit ? "< 200 ms" : "",
               limit ? verdict(figure, Duration(200)) : ""});
    world.connection.OnDisconnection();
  }
  table.print();
}

} // namespace
} // namespace velmora::bench

int main() {
  using namespace velmora::bench;
  std::printf("Median of %d runs each; Release build.\n", kRuns);
  connectionLoad();
  activation();
  settingsOk();
  return 0;
}
