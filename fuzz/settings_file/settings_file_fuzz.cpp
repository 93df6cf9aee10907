#include "fuzz_input.hpp"
#include "settings/hot_key_settings.hpp"
#include "settings/options.hpp"
#include "settings/prefix_table.hpp"
#include "settings/profile_syntax.hpp"
#include "settings/settings_file.hpp"
#include "settings/settings_keys.hpp"
#include "sim/ide/file_bytes.hpp"
#include "sim/system/sim_file_store.hpp"
#include "support/error.hpp"
#include "support/text.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <string>
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

const AnsiCodec& codec() {
  return *codePage932().codec;
}

std::string bytesOf(const fs::path& path) {
  return fs::exists(path) ? sim::readFileBytes(path) : std::string();
}

bool holdsLineBreakOrNul(std::u16string_view text) {
  return text.find_first_of(std::u16string_view(u"\0\r\n", 3)) != std::u16string_view::npos;
}

// A value that the file gives back as it was written: printable ASCII, no blank at either end,
// not enclosed in quotes, short enough for the reader's buffer.
bool comesBackAsItIs(std::u16string_view value) {
  if (value.empty() || value.size() > 254 || value.front() == u' ' || value.back() == u' ' ||
      std::ranges::any_of(value, [](char16_t c) { return c < 0x20 || c > 0x7E; })) {
    return false;
  }
  return !(value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
           value.back() == value.front());
}

struct Line {
  std::u16string text;
  std::u16string end;
};

// A file's lines with their ends: lines of UTF-16 units after the byte-order mark, else of bytes.
std::vector<Line> linesOf(std::string_view bytes, bool utf16) {
  std::u16string text;
  if (utf16) {
    text = utf16Units(bytes.substr(2));
  } else {
    std::ranges::transform(bytes, std::back_inserter(text),
                           [](char c) { return static_cast<unsigned char>(c); });
  }
  std::vector<Line> lines;
  std::u16string_view rest = text;
  while (!rest.empty()) {
    const std::size_t stop = std::min(rest.find_first_of(u"\r\n"), rest.size());
    const std::size_t length = stop == rest.size() ? 0 : rest.substr(stop, 2) == u"\r\n" ? 2 : 1;
    lines.push_back(
        {std::u16string(rest.substr(0, stop)), std::u16string(rest.substr(stop, length))});
    rest.remove_prefix(stop + length);
  }
  return lines;
}

// The file after one IniPut: the lines before it, with one of them replaced or up to two (a
// new section and its key) inserted in one place; the old last line may have gained a line end.
void requireOneLineChanged(std::string_view before, std::string_view after) {
  const bool utf16 = before.starts_with("\xFF\xFE");
  require(!utf16 || after.starts_with("\xFF\xFE"), "a UTF-16 file lost its byte-order mark");
  const std::vector<Line> old = linesOf(before, utf16);
  const std::vector<Line> now = linesOf(after, utf16);
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

void readEverything(SettingsFile& file) {
  Prefixes prefixes;
  LoadPrefixTable(file, prefixes);
  for (std::int16_t i = 0; i < prefixes.PrefixCount(); ++i) {
    const PrefixEntry& entry = prefixes.PrefixTable()[static_cast<std::size_t>(i)];
    require(!isBlank(entry.SettouChar) && !isBlank(entry.Kata), "a blank prefix pair was loaded");
    require(!holdsLineBreakOrNul(entry.SettouChar) && !holdsLineBreakOrNul(entry.Kata),
            "a prefix pair holds a line break");
  }
  // A value that is no number fails the options or the hotkeys; their callers report it.
  try {
    Options options;
    LoadOptions(file, options);
  } catch (const Error&) {
  }
  try {
    HotKeys hotKeys{};
    ReadHotKeys(file, hotKeys);
  } catch (const Error&) {
  }
  const SettingsSnapshot snapshot = file.snapshot();
  for (const std::u16string_view key : kKeys) {
    const std::u16string value = snapshot.IniGet(kSettingsSection, key);
    require(!holdsLineBreakOrNul(value), "a value holds a line break");
    require(codec().encode(value).size() <= 254, "a value is longer than the buffer");
  }
}

} // namespace

void checkInput(FuzzInput& input) {
  static const fs::path directory = scratchDirectory();
  const std::uint8_t choice = input.byte();
  const std::u16string value = fromUtf8(input.until('\0'));
  const fs::path path = directory / "Velmora.ini";
  sim::writeFileBytes(path, input.rest());

  sim::SimFileStore files;
  SettingsFile file(directory.u16string(), codec(), files);
  readEverything(file);

  const std::string before = bytesOf(path);
  const SettingsSnapshot old = file.snapshot();
  if ((choice & 0x80) != 0) {
    if (file.IniPutSection(kSettingsSection)) {
      const SettingsSnapshot cleared = file.snapshot();
      for (const std::u16string_view key : kKeys) {
        require(cleared.IniGet(kSettingsSection, key).empty(), "a cleared section kept a key");
      }
    } else {
      require(bytesOf(path) == before, "a failed clearing changed the file");
    }
    return;
  }
  const std::u16string_view written = kKeys[(choice & 0x7F) % kKeys.size()];
  if (!file.IniPut(kSettingsSection, written, value)) {
    require(bytesOf(path) == before, "a failed write changed the file");
    return;
  }
  requireOneLineChanged(before, bytesOf(path));
  if (comesBackAsItIs(value)) {
    require(file.IniGet(kSettingsSection, written) == value, "a written value did not read back");
  }
  const SettingsSnapshot now = file.snapshot();
  for (const std::u16string_view key : kKeys) {
    if (!profileNamesEqual(key, written)) {
      require(now.IniGet(kSettingsSection, key) == old.IniGet(kSettingsSection, key),
              "a write changed another key");
    }
  }
  readEverything(file);
}

} // namespace velmora::fuzz
