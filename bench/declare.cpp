// DoDeclare of each kind at the design's limit: a module of 10,000 lines and a table of 32,767
// prefixes whose only match is the last entry; no dialogs (the prefix matches, no comment is
// asked for) and no blinking. The in-memory IDE's time is taken apart from the engine's own.
#include "bench_table.hpp"
#include "engine/decl_kind.hpp"
#include "engine/declare_command.hpp"
#include "settings/prefix_table.hpp"
#include "sim/forms/scripted_toolkit.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "sim/ide/memory_code_pane.hpp"
#include "sim/ide/memory_vb_component.hpp"
#include "sim/ide/memory_vbe.hpp"
#include "support/text.hpp"
#include "timed_ide.hpp"

#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::bench {
namespace {

constexpr int kModuleLines = 10000;
constexpr int kRuns = 51;
constexpr char16_t kWord[] = u"zzqTarget";

class NoPump final : public EventPump {
public:
  void doEvents() override {}
  void sleep(std::uint32_t /*milliseconds*/) override {}
};

// A standard module of 10,000 lines: declarations, procedures of nine lines with a blank line
// above each, comment lines to make up the count, and a last procedure using the word to declare.
std::u16string bigModule() {
  std::u16string text = u"Option Explicit\r\nPrivate mlngCount As Long\r\n";
  constexpr int kLast = 4; // a blank line and the three lines of the last procedure
  int lines = 2;
  for (int procedure = 1; lines + 10 + kLast <= kModuleLines; ++procedure) {
    text += u"\r\nPublic Sub Procedure" + decimal(procedure) + u"()\r\n";
    text += u"    Dim lngIndex As Long\r\n";
    for (int i = 0; i < 6; ++i) {
      text += u"    lngIndex = lngIndex + " + decimal(i) + u" ' a comment\r\n";
    }
    text += u"End Sub\r\n";
    lines += 10;
  }
  for (; lines + kLast < kModuleLines; ++lines) {
    text += u"' filler\r\n";
  }
  text += u"\r\nPublic Sub Last()\r\n    zzqTarget = 1\r\nEnd Sub";
  return text;
}

// 32,767 prefixes; only the last begins the word.
Prefixes bigTable() {
  std::vector<PrefixEntry> table;
  for (int n = 1; n < kMaxPrefixCount; ++n) {
    table.push_back({u"pre" + decimal(n) + u"_", u"Type" + decimal(n)});
  }
  table.push_back({u"zzq", u"Long"});
  return Prefixes(std::move(table));
}

const PrefixEntry* linearFind(const Prefixes& prefixes, std::u16string_view word) {
  for (const PrefixEntry& entry : prefixes.entries()) {
    if (word.starts_with(entry.SettouChar)) {
      return &entry;
    }
  }
  return nullptr;
}

} // namespace
} // namespace velmora::bench

int main() {
  using namespace velmora;
  using namespace velmora::bench;
  sim::MemoryVbe ide(std::make_shared<sim::MemoryVbProject>());
  const auto module = sim::MemoryCodeModule::fromText(bigModule());
  ide.project().components().add(std::make_shared<sim::MemoryVbComponent>(u"basBig", 1, module));
  const std::int32_t lines = module->countOfLines();
  auto pane = ide.showPane(u"basBig");
  pane->setCaret(lines - 1, 7); // on the word; insertions above move the caret with it

  const Prefixes prefixes = bigTable();
  Options options;
  options.intNon = 1;      // a prefix that matched asks nothing anyway
  options.intTenmetsu = 0; // no blinking
  options.intComment = 0;  // no comment dialog
  EngineState state;
  BuildWordDelimiters(state.Delimiters);
  sim::ScriptedToolkit forms;
  NoPump pump;
  IdeTime ideTime;
  TimedVbe vbe(ide, ideTime);
  DeclareContext context{&vbe, prefixes, options, state, forms, pump};

  std::printf("A module of %d lines, %d prefixes, the match the last entry; median of %d runs; "
              "Release build.\n",
              lines, static_cast<int>(prefixes.PrefixCount()), kRuns);
  Table table("DoDeclare of each kind",
              {"kind", "DoDeclare", "in-memory IDE", "engine's own", "target", ""});
  for (const std::u16string_view kind : {kDeclDim, kDeclPrivate, kDeclPublic, kDeclBas}) {
    // Each run's whole time and the IDE's part of it; the medians of the two and of the
    // difference.
    std::vector<Duration> wholes;
    std::vector<Duration> hosts;
    const Duration engine = median(kRuns, [&] {
      const std::int32_t before = module->countOfLines();
      ideTime.total = Duration{};
      const Duration whole = timed([&] { DoDeclare(context, kind); });
      if (module->countOfLines() != before + 1 || !forms.messages().empty()) {
        throw std::runtime_error("the declaration was not written");
      }
      wholes.push_back(whole);
      hosts.push_back(ideTime.total);
      return whole - ideTime.total;
    });
    std::size_t next = 0;
    const Duration total = median(kRuns, [&] { return wholes[next++]; });
    next = 0;
    const Duration host = median(kRuns, [&] { return hosts[next++]; });
    const std::string name(kind.begin(), kind.end());
    table.row(
        {name, show(total), show(host), show(engine), "< 50 us", verdict(engine, Duration(0.05))});
  }
  table.print();

  Table search("The prefix search alone, match the last of 32,767 entries", {"search", "median"});
  const Duration indexed = median(kRuns * 20, [&] {
    return timed([&] {
      if (prefixes.find(kWord) != &prefixes.PrefixTable().back()) {
        throw std::runtime_error("the index missed");
      }
    });
  });
  const Duration linear = median(kRuns, [&] {
    return timed([&] {
      if (linearFind(prefixes, kWord) != &prefixes.PrefixTable().back()) {
        throw std::runtime_error("the linear search missed");
      }
    });
  });
  search.row({"indexed (Prefixes::find)", show(indexed)});
  search.row({"linear, entry by entry", show(linear)});
  const Duration rebuild =
      median(11, [&] { return timed([&] { const Prefixes copy(prefixes.PrefixTable()); }); });
  search.row({"building the index (when the table changes)", show(rebuild)});
  search.print();
  return 0;
}
