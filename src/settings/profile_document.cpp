#include "settings/profile_document.hpp"

#include "settings/profile_syntax.hpp"
#include "support/utf.hpp"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::string_view kNewLine = "\r\n";
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

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

} // namespace

ProfileDocument::ProfileDocument(const AnsiCodec& codec) : codec_(&codec) {}

ProfileLine ProfileDocument::makeLine(std::string_view bytes) const {
  ProfileLine line;
  line.bytes = bytes;
  const std::string_view trimmed = trimBytes(bytes);
  if (trimmed.empty()) {
    return line;
  }
  if (trimmed.front() == '[') {
    if (isAscii(trimmed)) {
      const std::size_t close = trimmed.rfind(']');
      if (close != std::string_view::npos) {
        line.kind = ProfileLine::Kind::Section;
        const std::string_view name = trimBytes(trimmed.substr(1, close - 1));
        line.name.assign(name.begin(), name.end());
        return line;
      }
    } else {
      const std::u16string text = codec_->decode(trimmed);
      const std::size_t close = text.rfind(u']');
      if (close != std::u16string::npos) {
        line.kind = ProfileLine::Kind::Section;
        line.name = trimProfileBlanks(std::u16string_view(text).substr(1, close - 1));
        return line;
      }
    }
  }
  line.kind = ProfileLine::Kind::Entry;
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) {
    line.name = decodeText(trimmed, *codec_);
  } else {
    line.name = decodeText(trimBytes(trimmed.substr(0, equals)), *codec_);
    line.valueBytes = trimBytes(trimmed.substr(equals + 1));
    line.hasValue = true;
  }
  return line;
}

ProfileLine ProfileDocument::makeOwnLine(std::string bytes) const {
  auto storage = std::make_shared<const std::string>(std::move(bytes));
  ProfileLine line = makeLine(*storage);
  line.storage = std::move(storage);
  line.end = kNewLine;
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
  document.source_ = std::make_shared<const std::string>(std::move(bytes));
  std::string_view rest = *document.source_;
  document.lines_.reserve(static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n')) + 1);
  while (!rest.empty()) {
    // (A plain loop: find_first_of tests each byte against the set with a call of its own.)
    std::size_t stop = 0;
    while (stop < rest.size() && rest[stop] != '\r' && rest[stop] != '\n') {
      ++stop;
    }
    std::size_t next = stop;
    if (next < rest.size()) {
      next += (rest[next] == '\r' && next + 1 < rest.size() && rest[next + 1] == '\n') ? 2 : 1;
    }
    ProfileLine line = document.makeLine(rest.substr(0, stop));
    line.end = rest.substr(stop, next - stop);
    document.lines_.push_back(std::move(line));
    rest.remove_prefix(next);
  }
  return document;
}

std::u16string ProfileDocument::value(const ProfileLine& line) const {
  return decodeText(line.valueBytes, *codec_);
}

std::size_t ProfileDocument::findSection(std::u16string_view name) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == ProfileLine::Kind::Section && profileNamesEqual(lines_[i].name, name)) {
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
  if (index < lines_.size() && lines_[index].end.empty()) {
    lines_[index].end = kNewLine;
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
    if (line.kind == ProfileLine::Kind::Entry && profileNamesEqual(line.name, key)) {
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
  if (section.empty() || key.empty() || key.front() == u'[' ||
      key.find(u'=') != std::u16string_view::npos || holdsLineBreak(section) ||
      holdsLineBreak(key) || holdsLineBreak(value)) {
    return false;
  }
  const std::string valueBytes = codec_->encode(value);

  std::size_t header = findSection(section);
  if (header == kNone) {
    if (!lines_.empty()) {
      giveLineEnd(lines_.size() - 1);
    }
    lines_.push_back(makeOwnLine("[" + codec_->encode(section) + "]"));
    header = lines_.size() - 1;
  }

  const std::size_t end = bodyEnd(header + 1);
  for (std::size_t i = header + 1; i < end; ++i) {
    ProfileLine& line = lines_[i];
    if (line.kind != ProfileLine::Kind::Entry || !profileNamesEqual(line.name, key)) {
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
    const std::string_view lineEnd = line.end;
    line = makeOwnLine(std::move(bytes));
    line.end = lineEnd;
    changed_ = true;
    return true;
  }

  const std::size_t after = lastNonBlank(header, end);
  giveLineEnd(after);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1),
                makeOwnLine(codec_->encode(key) + "=" + valueBytes));
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
    size += line.bytes.size() + line.end.size();
  }
  std::string text;
  text.reserve(size);
  text += mark;
  for (const ProfileLine& line : lines_) {
    text += line.bytes;
    text += line.end;
  }
  if (encoding_ != ProfileEncoding::Utf16) {
    return text;
  }
  std::string out(mark);
  out += utf8ToUtf16Le(std::string_view(text).substr(mark.size()));
  return out;
}

} // namespace velmora
