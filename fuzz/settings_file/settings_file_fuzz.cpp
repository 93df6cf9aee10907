#include "fuzz_input.hpp"
#include "ports/file_store.hpp"
#include "settings/hot_key_settings.hpp"
#include "settings/options.hpp"
#include "settings/prefix_table.hpp"
#include "settings/profile_syntax.hpp"
#include "settings/settings_file.hpp"
#include "settings/settings_keys.hpp"
#include "support/error.hpp"
#include "support/text.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
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

constexpr std::array<std::u16string_view, 12> kKeys = {
    u"SettouChar1", u"Kata1",      u"SettouChar2", u"Kata2", u"Non",     u"Tenmetsu",
    u"ImeMode",     u"HotKeyFlg1", u"Key4",        u"KATA1", u"Comment", u"Other"};

// The files in memory: the run is about what the add-in reads and writes, not about the disk,
// and a disk allows a few hundred runs a second where memory allows thousands.
class MemoryFileStore final : public FileStore {
public:
  FileContents read(const FilePath& path) const override {
    const auto found = files.find(path);
    return found == files.end() ? FileContents{}
                                : FileContents{FileContents::Status::Read, found->second};
  }
  Outcome writeNew(const FilePath& path, std::string_view bytes) override {
    return overwrite(path, bytes) ? Outcome::Done : Outcome::Refused;
  }
  Outcome replace(const FilePath& target, const FilePath& replacement) override {
    files[target] = std::move(files.extract(replacement).mapped());
    return Outcome::Done;
  }
  bool overwrite(const FilePath& path, std::string_view bytes) override {
    files[path] = bytes;
    return true;
  }
  void remove(const FilePath& path) override { files.erase(path); }
  void pause(std::uint32_t /*milliseconds*/) override {}

  std::map<FilePath, std::string> files;
};

const AnsiCodec& codec = *codePage932().codec;

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

// A file's lines, each with its end: lines of UTF-16 units after the byte-order mark, else of
// bytes.
std::vector<std::u16string> linesOf(std::string_view bytes, bool utf16) {
  const std::u16string text =
      utf16 ? utf16Units(bytes.substr(2)) : std::u16string(bytes.begin(), bytes.end());
  std::vector<std::u16string> lines;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = std::min(text.find_first_of(u"\r\n", at), text.size());
    end += text.compare(end, 2, u"\r\n") == 0 ? 2 : end < text.size() ? 1 : 0;
    lines.push_back(text.substr(at, end - at));
    at = end;
  }
  return lines;
}

// The file after one IniPut: the lines before it, with one of them replaced or up to two (a
// new section and its key) inserted in one place; the old last line may have gained a line end.
void requireOneLineChanged(std::string_view before, std::string_view after) {
  const bool utf16 = before.starts_with("\xFF\xFE");
  require(!utf16 || after.starts_with("\xFF\xFE"), "a UTF-16 file lost its byte-order mark");
  const std::vector<std::u16string> old = linesOf(before, utf16);
  const std::vector<std::u16string> now = linesOf(after, utf16);
  require(now.size() >= old.size() && now.size() <= old.size() + 2, "a write changed many lines");
  const auto same = [&](const std::u16string& o, const std::u16string& n) {
    const bool lastWithoutEnd = &o == &old.back() && o.find_first_of(u"\r\n") == o.npos;
    return o == n || (lastWithoutEnd && n.substr(0, n.find_first_of(u"\r\n")) == o);
  };
  std::size_t head = 0;
  while (head < old.size() && head < now.size() && same(old[head], now[head])) {
    ++head;
  }
  std::size_t tail = 0;
  while (tail < old.size() - head && tail < now.size() - head &&
         same(old[old.size() - 1 - tail], now[now.size() - 1 - tail])) {
    ++tail;
  }
  require(old.size() - head - tail <= 1, "a write changed more than one line, or a line's end");
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
    require(codec.encode(value).size() <= 254, "a value is longer than the buffer");
  }
}

} // namespace

void checkInput(FuzzInput& input) {
  const std::uint8_t choice = input.byte();
  const std::u16string value = fromUtf8(input.until('\0'));
  MemoryFileStore store;
  SettingsFile file(u"C:\\Velmora", codec, store);
  store.files[file.path()] = input.rest();
  readEverything(file);

  const std::string before = store.files[file.path()];
  const SettingsSnapshot old = file.snapshot();
  if ((choice & 0x80) != 0) {
    const bool cleared = file.IniPutSection(kSettingsSection);
    require(cleared || store.files[file.path()] == before, "a failed clearing changed the file");
    for (const std::u16string_view key : kKeys) {
      require(!cleared || file.IniGet(kSettingsSection, key).empty(),
              "a cleared section kept a key");
    }
    return;
  }
  const std::u16string_view written = kKeys[(choice & 0x7F) % kKeys.size()];
  if (!file.IniPut(kSettingsSection, written, value)) {
    require(store.files[file.path()] == before, "a failed write changed the file");
    return;
  }
  requireOneLineChanged(before, store.files[file.path()]);
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
