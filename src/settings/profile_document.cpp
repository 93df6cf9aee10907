#include "settings/profile_document.hpp"

#include "settings/profile_syntax.hpp"
#include "support/utf.hpp"

namespace velmora {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kNewLine = "\r\n";
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The codec of files that start with a UTF-8 byte-order mark.
class Utf8LineCodec final : public AnsiCodec {
public:
  std::string encode(std::u16string_view text) const override { return toUtf8(text); }
  std::u16string decode(std::string_view bytes) const override { return fromUtf8(bytes); }
};

const AnsiCodec& utf8LineCodec() {
  static const Utf8LineCodec codec;
  return codec;
}

std::u16string decodeLine(std::string_view bytes, const AnsiCodec& codec) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      return codec.decode(bytes);
    }
  }
  return {bytes.begin(), bytes.end()};
}

std::u16string_view upToNul(std::u16string_view text) {
  return text.substr(0, text.find(u'\0'));
}

bool holdsLineBreak(std::u16string_view text) {
  return text.find_first_of(u"\r\n") != std::u16string_view::npos;
}

// The bytes of an entry line up to where its value starts (after the '=' and the blanks that
// follow it). '=' and the blanks are ASCII, which no double-byte character of an ANSI code page
// and no UTF-8 sequence holds, so the bytes can be searched directly.
std::string_view entryPrefix(std::string_view bytes) {
  std::size_t pos = bytes.find('=');
  if (pos == std::string_view::npos) {
    std::size_t last = bytes.size();
    while (last > 0 && isProfileBlank(static_cast<unsigned char>(bytes[last - 1]))) {
      --last;
    }
    return bytes.substr(0, last);
  }
  ++pos;
  while (pos < bytes.size() && isProfileBlank(static_cast<unsigned char>(bytes[pos]))) {
    ++pos;
  }
  return bytes.substr(0, pos);
}

} // namespace

ProfileDocument::ProfileDocument(const AnsiCodec& codec) : codec_(&codec) {}

ProfileLine ProfileDocument::makeLine(std::string bytes) const {
  ProfileLine line;
  const std::u16string text = decodeLine(bytes, *codec_);
  line.bytes = std::move(bytes);
  const std::u16string_view trimmed = trimProfileBlanks(text);
  if (trimmed.empty()) {
    return line;
  }
  if (trimmed.front() == u'[') {
    const std::size_t close = trimmed.rfind(u']');
    if (close != std::u16string_view::npos) {
      line.kind = ProfileLine::Kind::Section;
      line.name = trimProfileBlanks(trimmed.substr(1, close - 1));
      return line;
    }
  }
  line.kind = ProfileLine::Kind::Entry;
  const std::size_t equals = trimmed.find(u'=');
  if (equals == std::u16string_view::npos) {
    line.name = trimmed;
  } else {
    line.name = trimProfileBlanks(trimmed.substr(0, equals));
    line.value = trimProfileBlanks(trimmed.substr(equals + 1));
    line.hasValue = true;
  }
  return line;
}

ProfileDocument ProfileDocument::parse(std::string_view bytes, const AnsiCodec& codec) {
  ProfileDocument document(codec);
  if (bytes.starts_with(kUtf8ByteOrderMark)) {
    document.codec_ = &utf8LineCodec();
    document.byteOrderMark_ = kUtf8ByteOrderMark;
    bytes.remove_prefix(kUtf8ByteOrderMark.size());
  }
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t stop = bytes.find_first_of("\r\n", pos);
    if (stop == std::string_view::npos) {
      stop = bytes.size();
    }
    std::size_t next = stop;
    if (next < bytes.size()) {
      next += (bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n') ? 2 : 1;
    }
    ProfileLine line = document.makeLine(std::string(bytes.substr(pos, stop - pos)));
    line.end = bytes.substr(stop, next - stop);
    document.lines_.push_back(std::move(line));
    pos = next;
  }
  return document;
}

std::size_t ProfileDocument::findSection(std::u16string_view name) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == ProfileLine::Kind::Section && profileNamesEqual(lines_[i].name, name)) {
      return i;
    }
  }
  return kNone;
}

std::size_t ProfileDocument::sectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
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

std::optional<std::u16string_view> ProfileDocument::find(std::u16string_view section,
                                                         std::u16string_view key) const {
  const std::size_t header = findSection(trimProfileBlanks(section));
  if (header == kNone) {
    return std::nullopt;
  }
  key = trimProfileBlanks(key);
  const std::size_t end = sectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    const ProfileLine& line = lines_[i];
    if (line.kind == ProfileLine::Kind::Entry && profileNamesEqual(line.name, key)) {
      if (!line.hasValue) {
        return std::nullopt;
      }
      return std::u16string_view(line.value);
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
    std::string headerBytes = "[" + codec_->encode(section) + "]";
    lines_.push_back(makeLine(std::move(headerBytes)));
    lines_.back().end = kNewLine;
    header = lines_.size() - 1;
  }

  const std::size_t end = sectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    ProfileLine& line = lines_[i];
    if (line.kind != ProfileLine::Kind::Entry || !profileNamesEqual(line.name, key)) {
      continue;
    }
    if (line.hasValue && line.value == trimProfileBlanks(value)) {
      return true;
    }
    std::string bytes(entryPrefix(line.bytes));
    if (!line.hasValue) {
      bytes += '=';
    }
    bytes += valueBytes;
    std::string lineEnd = std::move(line.end);
    line = makeLine(std::move(bytes));
    line.end = std::move(lineEnd);
    changed_ = true;
    return true;
  }

  const std::size_t after = lastNonBlank(header, end);
  giveLineEnd(after);
  ProfileLine line = makeLine(codec_->encode(key) + "=" + valueBytes);
  line.end = kNewLine;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1), std::move(line));
  changed_ = true;
  return true;
}

void ProfileDocument::clearSection(std::u16string_view section) {
  section = trimProfileBlanks(upToNul(section));
  for (std::size_t header = 0; header < lines_.size(); ++header) {
    if (lines_[header].kind != ProfileLine::Kind::Section ||
        !profileNamesEqual(lines_[header].name, section)) {
      continue;
    }
    const std::size_t last = lastNonBlank(header, sectionEnd(header));
    if (last > header) {
      lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header + 1),
                   lines_.begin() + static_cast<std::ptrdiff_t>(last + 1));
      giveLineEnd(header);
      changed_ = true;
    }
  }
}

std::string ProfileDocument::bytes() const {
  std::size_t size = byteOrderMark_.size();
  for (const ProfileLine& line : lines_) {
    size += line.bytes.size() + line.end.size();
  }
  std::string out;
  out.reserve(size);
  out += byteOrderMark_;
  for (const ProfileLine& line : lines_) {
    out += line.bytes;
    out += line.end;
  }
  return out;
}

} // namespace velmora
