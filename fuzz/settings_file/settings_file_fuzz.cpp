#include "fuzz_input.hpp"
#include "settings/hot_key_settings.hpp"
#include "settings/options.hpp"
#include "settings/prefix_table.hpp"
#include "settings/profile_syntax.hpp"
#include "settings/settings_file.hpp"
#include "settings/settings_keys.hpp"
#include "sim/codec/iconv_ansi_codec.hpp"
#include "sim/system/sim_file_store.hpp"
#include "support/error.hpp"
#include "support/text.hpp"
#include "support/utf.hpp"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

// The settings file as it lies on disk: every read the add-in makes of it (the prefix table,
// the options, the hotkeys with their repairs), then one write, after which the value reads
// back and every line the write did not concern is there byte for byte.
//
// Input: a byte choosing the key written (and, with its high bit, the clearing of the section
// instead), the value up to the first NUL (UTF-8), then the file's bytes.
namespace velmora::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::u16string_view, 12> kKeys = {
    u"SettouChar1", u"Kata1",      u"SettouChar2", u"Kata2", u"Non",     u"Tenmetsu",
    u"ImeMode",     u"HotKeyFlg1", u"Key4",        u"KATA1", u"Comment", u"Other"};

const sim::IconvAnsiCodec& codePage932() {
  static const sim::IconvAnsiCodec codec;
  return codec;
}

const fs::path& directory() {
  static const fs::path made = [] {
    // In memory when the system offers it: a run writes the file thousands of times a second.
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string name = (base / "velmora-fuzz-settings-XXXXXX").string();
    require(mkdtemp(name.data()) != nullptr, "no temporary directory");
    return fs::path(name);
  }();
  return made;
}

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool holdsLineBreakOrNul(std::u16string_view text) {
  return text.find_first_of(std::u16string_view(u"\0\r\n", 3)) != std::u16string_view::npos;
}

// A value that the file gives back as it was written: printable ASCII, no blank at either end,
// not enclosed in quotes, short enough for the reader's buffer.
bool comesBackAsItIs(std::u16string_view value) {
  if (value.empty() || value.size() > 254 || value.front() == u' ' || value.back() == u' ') {
    return false;
  }
  for (const char16_t c : value) {
    if (c < 0x20 || c > 0x7E) {
      return false;
    }
  }
  return !(value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
           value.back() == value.front());
}

template <typename Char> struct Line {
  std::basic_string<Char> text;
  std::basic_string<Char> end;
};

template <typename Char> std::vector<Line<Char>> splitLines(std::basic_string_view<Char> text) {
  std::vector<Line<Char>> lines;
  while (!text.empty()) {
    std::size_t stop = 0;
    while (stop < text.size() && text[stop] != Char('\r') && text[stop] != Char('\n')) {
      ++stop;
    }
    std::size_t length = 0;
    if (stop < text.size()) {
      length = text[stop] == Char('\r') && stop + 1 < text.size() && text[stop + 1] == Char('\n')
                   ? 2
                   : 1;
    }
    lines.push_back({std::basic_string<Char>(text.substr(0, stop)),
                     std::basic_string<Char>(text.substr(stop, length))});
    text.remove_prefix(stop + length);
  }
  return lines;
}

// The file after one IniPut: the lines before it, with one of them replaced or up to two (a
// new section and its key) inserted in one place; the old last line may have gained a line end.
template <typename Char>
void requireOneLineChanged(std::basic_string_view<Char> before,
                           std::basic_string_view<Char> after) {
  const std::vector<Line<Char>> old = splitLines(before);
  const std::vector<Line<Char>> now = splitLines(after);
  require(now.size() >= old.size() && now.size() <= old.size() + 2, "a write changed many lines");
  std::size_t head = 0;
  while (head < old.size() && head < now.size() && old[head].text == now[head].text) {
    ++head;
  }
  std::size_t tail = 0;
  while (tail < old.size() - head && tail < now.size() - head &&
         old[old.size() - 1 - tail].text == now[now.size() - 1 - tail].text) {
    ++tail;
  }
  require(old.size() - head - tail <= 1, "a write changed more than one line");
  for (std::size_t i = 0; i < old.size(); ++i) {
    const std::size_t at = i < head ? i : now.size() - (old.size() - i);
    if (i < head || i >= old.size() - tail) {
      const bool lastGainedEnd = i + 1 == old.size() && old[i].end.empty();
      require(now[at].end == old[i].end || lastGainedEnd, "a write changed a line's end");
    }
  }
}

// The same for the file's bytes, whose lines are lines of UTF-16 units in a file that starts
// with the UTF-16 byte-order mark.
void requireOneLineChangedInFile(std::string_view before, std::string_view after) {
  if (before.starts_with("\xFF\xFE")) {
    require(after.starts_with("\xFF\xFE"), "a UTF-16 file lost its byte-order mark");
    requireOneLineChanged<char16_t>(utf16Units(before.substr(2)), utf16Units(after.substr(2)));
  } else {
    requireOneLineChanged<char>(before, after);
  }
}

void readEverything(SettingsFile& file) {
  Prefixes prefixes;
  LoadPrefixTable(file, prefixes);
  for (std::int16_t i = 0; i < prefixes.PrefixCount(); ++i) {
    const PrefixEntry& entry = prefixes.PrefixTable()[static_cast<std::size_t>(i)];
    require(!isBlank(entry.SettouChar) && !isBlank(entry.Kata), "a blank prefix pair was loaded");
    require(!holdsLineBreakOrNul(entry.SettouChar) && !holdsLineBreakOrNul(entry.Kata),
            "a prefix pair holds a line break");
  }
  Options options;
  try {
    LoadOptions(file, options);
  } catch (const Error&) {
    // A value that is no number: the connection reports it.
  }
  HotKeys hotKeys{};
  try {
    ReadHotKeys(file, hotKeys);
  } catch (const Error&) {
    // Likewise: the settings form reports it.
  }
  const SettingsSnapshot snapshot = file.snapshot();
  for (const std::u16string_view key : kKeys) {
    const std::u16string value = snapshot.IniGet(kSettingsSection, key);
    require(!holdsLineBreakOrNul(value), "a value holds a line break");
    require(codePage932().encode(value).size() <= 254, "a value is longer than the buffer");
  }
}

void check(FuzzInput& input) {
  const std::uint8_t choice = input.byte();
  const std::u16string value = fromUtf8(input.until('\0'));
  const fs::path path = directory() / "Velmora.ini";
  fs::remove(path);
  writeBytes(path, input.rest());

  sim::SimFileStore files;
  SettingsFile file(directory().u16string(), codePage932(), files);
  readEverything(file);

  const std::string before = readBytes(path);
  std::vector<std::u16string> others;
  others.reserve(kKeys.size());
  const SettingsSnapshot old = file.snapshot();
  for (const std::u16string_view key : kKeys) {
    others.push_back(old.IniGet(kSettingsSection, key));
  }
  const std::u16string_view written = kKeys[(choice & 0x7F) % kKeys.size()];
  if ((choice & 0x80) != 0) {
    if (file.IniPutSection(kSettingsSection)) {
      const SettingsSnapshot cleared = file.snapshot();
      for (const std::u16string_view key : kKeys) {
        require(cleared.IniGet(kSettingsSection, key).empty(), "a cleared section kept a key");
      }
    } else {
      require(readBytes(path) == before, "a failed clearing changed the file");
    }
    return;
  }
  if (!file.IniPut(kSettingsSection, written, value)) {
    require(readBytes(path) == before, "a failed write changed the file");
    return;
  }
  requireOneLineChangedInFile(before, readBytes(path));
  if (comesBackAsItIs(value)) {
    require(file.IniGet(kSettingsSection, written) == value, "a written value did not read back");
  }
  const SettingsSnapshot now = file.snapshot();
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (!profileNamesEqual(kKeys[i], written)) {
      require(now.IniGet(kSettingsSection, kKeys[i]) == others[i], "a write changed another key");
    }
  }
  readEverything(file);
}

} // namespace
} // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::fuzz::FuzzInput input(data, size);
  velmora::fuzz::check(input);
  return 0;
}
