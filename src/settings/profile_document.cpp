#include "settings/profile_document.hpp"

#include "settings/profile_syntax.hpp"
#include "support/utf.hpp"

#include <algorithm>
#include <cstring>

namespace velmora {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::string_view endText(ProfileLine::End end) {
  switch (end) {
  case ProfileLine::End::CrLf:
    return "\r\n";
  case ProfileLine::End::Lf:
    return "\n";
  case ProfileLine::End::Cr:
    return "\r";
  case ProfileLine::End::None:
    break;
  }
  return {};
}

// Where `part` (a view into `whole`) starts in it.
std::uint32_t offsetIn(std::string_view whole, std::string_view part) {
  return static_cast<std::uint32_t>(part.data() - whole.data());
}

// The codec of the text of files that start with a byte-order mark.
class Utf8LineCodec final : public AnsiCodec {
public:
  std::string encode(std::u16string_view text) const override { return toUtf8(text); }
  std::u16string decode(std::string_view bytes) const override { return fromUtf8(bytes); }
};

const AnsiCodec& utf8LineCodec() {
  static const Utf8LineCodec codec;
  return codec;
}

bool isAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      return false;
    }
  }
  return true;
}

std::u16string decodeText(std::string_view bytes, const AnsiCodec& codec) {
  if (isAscii(bytes)) {
    return {bytes.begin(), bytes.end()};
  }
  return codec.decode(bytes);
}

// The blanks are ASCII control characters and the space, which no double-byte character of an
// ANSI code page and no UTF-8 sequence holds; so are '=' and '[', so the bytes can be searched
// for them directly. (']' can be the second byte of a double-byte character, so headers with
// other than ASCII text are searched after decoding.)
bool isBlankByte(char c) {
  return isProfileBlank(static_cast<unsigned char>(c));
}

std::string_view trimBytes(std::string_view bytes) {
  std::size_t first = 0;
  std::size_t last = bytes.size();
  while (first < last && isBlankByte(bytes[first])) {
    ++first;
  }
  while (last > first && isBlankByte(bytes[last - 1])) {
    --last;
  }
  return bytes.substr(first, last - first);
}

// The bytes of an entry line up to where its value starts (after the '=' and the blanks that
// follow it); all of a line without '=' but its trailing blanks.
std::string_view entryPrefix(std::string_view bytes) {
  std::size_t pos = bytes.find('=');
  if (pos == std::string_view::npos) {
    std::size_t last = bytes.size();
    while (last > 0 && isBlankByte(bytes[last - 1])) {
      --last;
    }
    return bytes.substr(0, last);
  }
  ++pos;
  while (pos < bytes.size() && isBlankByte(bytes[pos])) {
    ++pos;
  }
  return bytes.substr(0, pos);
}

std::u16string_view upToNul(std::u16string_view text) {
  return text.substr(0, text.find(u'\0'));
}

bool holdsLineBreak(std::u16string_view text) {
  return text.find_first_of(u"\r\n") != std::u16string_view::npos;
}

// A key that reads back as itself from a line of its own: not blank, not taken for a header,
// no '=' and no line break (a trimmed name, cut at its NUL).
bool storableKey(std::u16string_view key) {
  return !key.empty() && key.front() != u'[' && key.find(u'=') == std::u16string_view::npos &&
         !holdsLineBreak(key);
}

bool isAsciiText(std::u16string_view text) {
  for (const char16_t c : text) {
    if (c >= 0x80) {
      return false;
    }
  }
  return true;
}

// The text's bytes after `out`: ASCII as it is, anything else through the codec.
void appendEncoded(std::string& out, std::u16string_view text, const AnsiCodec& codec) {
  if (isAsciiText(text)) {
    out.append(text.begin(), text.end());
  } else {
    out += codec.encode(text);
  }
}

// Positions of distinct names, found by hash: what a set of names costs without a string of its
// own per name.
class NameSlots {
public:
  explicit NameSlots(std::size_t count) {
    std::size_t size = 16;
    while (size < 2 * count) {
      size *= 2;
    }
    slots_.assign(size, kEmpty);
  }

  // The position stored under a name equal to `name` (`nameAt` gives the stored names), or, when
  // there is none, `position`, which is then stored under it.
  template <typename NameAt>
  std::size_t findOrAdd(std::u16string_view name, std::size_t position, NameAt nameAt) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hashProfileName(name) & mask;; i = (i + 1) & mask) {
      if (slots_[i] == kEmpty) {
        slots_[i] = position;
        return position;
      }
      if (profileNamesEqual(nameAt(slots_[i]), name)) {
        return slots_[i];
      }
    }
  }

private:
  static constexpr std::size_t kEmpty = static_cast<std::size_t>(-1);
  std::vector<std::size_t> slots_;
};

} // namespace

ProfileDocument::ProfileDocument(const AnsiCodec& codec) : codec_(&codec) {}

ProfileLine ProfileDocument::makeLine(std::string_view bytes, std::uint32_t section) {
  ProfileLine line;
  line.bytes = bytes;
  line.section = section;
  const std::string_view trimmed = trimBytes(bytes);
  if (trimmed.empty()) {
    return line;
  }
  if (trimmed.front() == '[') {
    std::optional<std::u16string> name;
    if (isAscii(trimmed)) {
      const std::size_t close = trimmed.rfind(']');
      if (close != std::string_view::npos) {
        const std::string_view inner = trimBytes(trimmed.substr(1, close - 1));
        name.emplace(inner.begin(), inner.end());
      }
    } else {
      const std::u16string text = codec_->decode(trimmed);
      const std::size_t close = text.rfind(u']');
      if (close != std::u16string::npos) {
        name = std::u16string(trimProfileBlanks(std::u16string_view(text).substr(1, close - 1)));
      }
    }
    if (name) {
      line.kind = ProfileLine::Kind::Section;
      line.section = static_cast<std::uint32_t>(sections_.size());
      sections_.push_back(std::move(*name));
      return line;
    }
  }
  line.kind = ProfileLine::Kind::Entry;
  const std::size_t equals = trimmed.find('=');
  std::string_view name = trimmed;
  if (equals != std::string_view::npos) {
    name = trimBytes(trimmed.substr(0, equals));
    const std::string_view value = trimBytes(trimmed.substr(equals + 1));
    line.valueStart = offsetIn(bytes, value);
    line.valueSize = static_cast<std::uint32_t>(value.size());
    line.hasValue = true;
  }
  line.nameStart = offsetIn(bytes, name);
  line.nameSize = static_cast<std::uint32_t>(name.size());
  line.asciiName = isAscii(name);
  return line;
}

ProfileLine ProfileDocument::makeOwnLine(std::string bytes, std::uint32_t section) {
  storage_.push_back(std::make_shared<const std::string>(std::move(bytes)));
  ProfileLine line = makeLine(*storage_.back(), section);
  line.end = ProfileLine::End::CrLf;
  return line;
}

ProfileDocument ProfileDocument::parse(std::string bytes, const AnsiCodec& codec) {
  ProfileDocument document(codec);
  document.encoding_ = detectProfileEncoding(bytes);
  const std::size_t mark = profileByteOrderMark(document.encoding_).size();
  switch (document.encoding_) {
  case ProfileEncoding::Utf16:
    bytes = utf16LeToUtf8(std::string_view(bytes).substr(mark));
    break;
  case ProfileEncoding::Utf8:
    bytes.erase(0, mark);
    break;
  case ProfileEncoding::Ansi:
    break;
  }
  if (document.encoding_ != ProfileEncoding::Ansi) {
    document.codec_ = &utf8LineCodec();
  }
  document.storage_.push_back(std::make_shared<const std::string>(std::move(bytes)));
  std::string_view rest = *document.storage_.back();
  document.lines_.reserve(static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n')) + 1);
  std::uint32_t section = 0;
  while (!rest.empty()) {
    // The line ends at the first LF or CR; memchr finds both faster than a test of each byte.
    const char* const start = rest.data();
    const void* const lf = std::memchr(start, '\n', rest.size());
    std::size_t stop = lf != nullptr
                           ? static_cast<std::size_t>(static_cast<const char*>(lf) - start)
                           : rest.size();
    const void* const cr = std::memchr(start, '\r', stop);
    ProfileLine::End end = lf != nullptr ? ProfileLine::End::Lf : ProfileLine::End::None;
    std::size_t next = lf != nullptr ? stop + 1 : stop;
    if (cr != nullptr) {
      const auto at = static_cast<std::size_t>(static_cast<const char*>(cr) - start);
      if (at + 1 == stop && lf != nullptr) {
        end = ProfileLine::End::CrLf;
      } else {
        end = ProfileLine::End::Cr;
        next = at + 1;
      }
      stop = at;
    }
    ProfileLine line = document.makeLine(rest.substr(0, stop), section);
    line.end = end;
    section = line.section;
    document.lines_.push_back(line);
    rest.remove_prefix(next);
  }
  return document;
}

std::u16string ProfileDocument::value(const ProfileLine& line) const {
  return decodeText(line.valueBytes(), *codec_);
}

std::u16string ProfileDocument::name(const ProfileLine& line) const {
  return decodeText(line.nameBytes(), *codec_);
}

bool ProfileDocument::hasName(const ProfileLine& line, std::u16string_view name) const {
  const std::string_view bytes = line.nameBytes();
  if (!line.asciiName) {
    return profileNamesEqual(codec_->decode(bytes), name);
  }
  if (bytes.size() != name.size()) {
    return false;
  }
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (foldProfileName(static_cast<unsigned char>(bytes[i])) != foldProfileName(name[i])) {
      return false;
    }
  }
  return true;
}

std::size_t ProfileDocument::findSection(std::u16string_view name) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const ProfileLine& line = lines_[i];
    if (line.kind == ProfileLine::Kind::Section &&
        profileNamesEqual(sections_[line.section], name)) {
      return i;
    }
  }
  return kNone;
}

std::size_t ProfileDocument::bodyEnd(std::size_t first) const {
  std::size_t i = first;
  while (i < lines_.size() && lines_[i].kind != ProfileLine::Kind::Section) {
    ++i;
  }
  return i;
}

std::size_t ProfileDocument::lastNonBlank(std::size_t header, std::size_t end) const {
  std::size_t last = header;
  for (std::size_t i = header + 1; i < end; ++i) {
    if (lines_[i].kind != ProfileLine::Kind::Blank) {
      last = i;
    }
  }
  return last;
}

void ProfileDocument::giveLineEnd(std::size_t index) {
  if (index < lines_.size() && lines_[index].end == ProfileLine::End::None) {
    lines_[index].end = ProfileLine::End::CrLf;
  }
}

std::optional<std::u16string> ProfileDocument::find(std::u16string_view section,
                                                    std::u16string_view key) const {
  section = trimProfileBlanks(section);
  // The lines above the first header form a section without a name.
  std::size_t first = 0;
  if (!section.empty()) {
    const std::size_t header = findSection(section);
    if (header == kNone) {
      return std::nullopt;
    }
    first = header + 1;
  }
  key = trimProfileBlanks(key);
  const std::size_t end = bodyEnd(first);
  for (std::size_t i = first; i < end; ++i) {
    const ProfileLine& line = lines_[i];
    if (line.kind == ProfileLine::Kind::Entry && hasName(line, key)) {
      if (!line.hasValue) {
        return std::nullopt;
      }
      return value(line);
    }
  }
  return std::nullopt;
}

bool ProfileDocument::set(std::u16string_view section, std::u16string_view key,
                          std::u16string_view value) {
  section = trimProfileBlanks(upToNul(section));
  key = trimProfileBlanks(upToNul(key));
  value = upToNul(value);
  if (section.empty() || holdsLineBreak(section) || !storableKey(key) || holdsLineBreak(value)) {
    return false;
  }
  const std::string valueBytes = codec_->encode(value);

  std::size_t header = findSection(section);
  if (header == kNone) {
    header = addSection(section);
  }
  const std::uint32_t number = lines_[header].section;

  const std::size_t end = bodyEnd(header + 1);
  for (std::size_t i = header + 1; i < end; ++i) {
    const ProfileLine& line = lines_[i];
    if (line.kind != ProfileLine::Kind::Entry || !hasName(line, key)) {
      continue;
    }
    if (line.hasValue && this->value(line) == trimProfileBlanks(value)) {
      return true;
    }
    std::string bytes(entryPrefix(line.bytes));
    if (!line.hasValue) {
      bytes += '=';
    }
    bytes += valueBytes;
    const ProfileLine::End lineEnd = line.end;
    lines_[i] = makeOwnLine(std::move(bytes), number);
    lines_[i].end = lineEnd;
    changed_ = true;
    return true;
  }

  const std::size_t after = lastNonBlank(header, end);
  giveLineEnd(after);
  std::string bytes = codec_->encode(key);
  bytes += '=';
  bytes += valueBytes;
  ProfileLine line = makeOwnLine(std::move(bytes), number);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1), line);
  changed_ = true;
  return true;
}

std::size_t ProfileDocument::addSection(std::u16string_view name) {
  if (!lines_.empty()) {
    giveLineEnd(lines_.size() - 1);
  }
  std::string header(1, '[');
  header += codec_->encode(name);
  header += ']';
  lines_.push_back(makeOwnLine(std::move(header), 0));
  return lines_.size() - 1;
}

bool ProfileDocument::replaceSection(std::u16string_view section,
                                     const std::vector<ProfileEntry>& entries) {
  section = trimProfileBlanks(upToNul(section));
  if (entries.empty()) {
    clearSection(section);
    return true;
  }
  if (section.empty() || holdsLineBreak(section)) {
    return false;
  }

  // Each key once, where it first comes, with the value it is last given.
  struct Kept {
    std::u16string_view key;
    std::u16string_view value;
  };
  std::vector<Kept> kept;
  kept.reserve(entries.size());
  NameSlots seen(entries.size());
  for (const ProfileEntry& entry : entries) {
    const std::u16string_view key = trimProfileBlanks(upToNul(entry.key));
    const std::u16string_view value = upToNul(entry.value);
    if (!storableKey(key) || holdsLineBreak(value)) {
      return false;
    }
    const std::size_t at =
        seen.findOrAdd(key, kept.size(), [&kept](std::size_t i) { return kept[i].key; });
    if (at == kept.size()) {
      kept.push_back({key, value});
    } else {
      kept[at].value = value;
    }
  }

  std::size_t header = findSection(section);
  if (header == kNone) {
    header = addSection(section);
  }
  const std::uint32_t number = lines_[header].section;

  // The new lines, in one piece of storage.
  std::string text;
  std::vector<std::size_t> starts;
  starts.reserve(kept.size() + 1);
  for (const Kept& entry : kept) {
    starts.push_back(text.size());
    appendEncoded(text, entry.key, *codec_);
    text += '=';
    appendEncoded(text, entry.value, *codec_);
  }
  starts.push_back(text.size());
  storage_.push_back(std::make_shared<const std::string>(std::move(text)));
  const std::string_view all = *storage_.back();
  std::vector<ProfileLine> added;
  added.reserve(kept.size());
  for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
    ProfileLine line = makeLine(all.substr(starts[i], starts[i + 1] - starts[i]), number);
    line.end = ProfileLine::End::CrLf;
    added.push_back(line);
  }

  const std::size_t last = lastNonBlank(header, bodyEnd(header + 1));
  const auto body = lines_.begin() + static_cast<std::ptrdiff_t>(header + 1);
  lines_.erase(body, body + static_cast<std::ptrdiff_t>(last - header));
  giveLineEnd(header);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(header + 1), added.begin(),
                added.end());
  changed_ = true;
  return true;
}

void ProfileDocument::clearSection(std::u16string_view section) {
  section = trimProfileBlanks(upToNul(section));
  if (section.empty()) {
    return;
  }
  const std::size_t header = findSection(section);
  if (header == kNone) {
    return;
  }
  const std::size_t last = lastNonBlank(header, bodyEnd(header + 1));
  if (last > header) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header + 1),
                 lines_.begin() + static_cast<std::ptrdiff_t>(last + 1));
    changed_ = true;
  }
}

std::string ProfileDocument::bytes() const {
  const std::string_view mark = profileByteOrderMark(encoding_);
  std::size_t size = mark.size();
  for (const ProfileLine& line : lines_) {
    size += line.bytes.size() + endText(line.end).size();
  }
  std::string text;
  text.reserve(size);
  text += mark;
  for (const ProfileLine& line : lines_) {
    text += line.bytes;
    text += endText(line.end);
  }
  if (encoding_ != ProfileEncoding::Utf16) {
    return text;
  }
  std::string out(mark);
  out += utf8ToUtf16Le(std::string_view(text).substr(mark.size()));
  return out;
}

} // namespace velmora
