#include "sim/ide/source_file.hpp"

#include "sim/ide/file_bytes.hpp"
#include "sim/ide/vb_names.hpp"
#include "support/error.hpp"

#include <algorithm>
#include <cstdint>

namespace velmora::sim {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct RawLine {
  std::string_view content;
  std::string_view lineBreak;
};

std::vector<RawLine> splitRawLines(std::string_view bytes) {
  std::vector<RawLine> lines;
  std::size_t begin = 0;
  while (begin < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) {
      lines.push_back({bytes.substr(begin), {}});
      break;
    }
    const std::size_t breakLength =
        (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
    lines.push_back({bytes.substr(begin, end - begin), bytes.substr(end, breakLength)});
    begin = end + breakLength;
  }
  return lines;
}

bool isBlankChar(char16_t c) {
  return c == u' ' || c == u'\t';
}

bool isWordChar(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
         c == u'_';
}

// Reads words and symbols off the front of a header line.
class HeaderCursor {
public:
  explicit HeaderCursor(std::u16string_view line) : line_(line) {}

  std::u16string_view word() {
    skipBlanks();
    const std::size_t start = at_;
    while (at_ < line_.size() && isWordChar(line_[at_])) {
      ++at_;
    }
    return line_.substr(start, at_ - start);
  }

  bool symbol(char16_t c) {
    skipBlanks();
    if (at_ < line_.size() && line_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  // The text of a quoted string ("" stands for one quote).
  std::u16string quoted() {
    std::u16string text;
    if (!symbol(u'"')) {
      return text;
    }
    while (at_ < line_.size()) {
      if (line_[at_] == u'"') {
        if (at_ + 1 < line_.size() && line_[at_ + 1] == u'"') {
          text += u'"';
          at_ += 2;
          continue;
        }
        break;
      }
      text += line_[at_++];
    }
    return text;
  }

private:
  void skipBlanks() {
    while (at_ < line_.size() && isBlankChar(line_[at_])) {
      ++at_;
    }
  }

  std::u16string_view line_;
  std::size_t at_ = 0;
};

bool startsWithWord(std::u16string_view line, std::u16string_view word) {
  return sameVbName(HeaderCursor(line).word(), word);
}

// `Attribute name.VB_...`: a member attribute, which the code window hides.
bool isMemberAttribute(std::u16string_view line) {
  HeaderCursor cursor(line);
  if (!sameVbName(cursor.word(), u"Attribute") || cursor.word().empty() || !cursor.symbol(u'.')) {
    return false;
  }
  const std::u16string_view member = cursor.word();
  return member.size() > 3 && sameVbName(member.substr(0, 3), u"VB_");
}

// Number of header lines at the top of the file. A BEGIN block that the file never closes is
// refused: everything below it would be read as part of it, code written there included.
std::size_t headerLength(const std::vector<std::u16string>& lines, std::u16string_view fileName) {
  std::size_t at = 0;
  if (at < lines.size() && startsWithWord(lines[at], u"VERSION")) {
    ++at;
    int depth = 0;
    while (at < lines.size()) {
      const std::u16string_view word = HeaderCursor(lines[at]).word();
      const bool opens = sameVbName(word, u"Begin") || sameVbName(word, u"BeginProperty");
      const bool closes = sameVbName(word, u"End") || sameVbName(word, u"EndProperty");
      if (depth > 0) {
        depth += opens ? 1 : (closes ? -1 : 0);
      } else if (sameVbName(word, u"Begin")) {
        depth = 1;
      } else if (!sameVbName(word, u"Object")) {
        break;
      }
      ++at;
    }
    if (depth > 0) {
      throw Error(u"BEGIN のブロックが END で閉じられていません: " + std::u16string(fileName));
    }
  }
  while (at < lines.size() && startsWithWord(lines[at], u"Attribute")) {
    ++at;
  }
  return at;
}

std::u16string componentNameIn(const std::vector<std::u16string>& lines, std::size_t header) {
  for (std::size_t i = 0; i < header; ++i) {
    HeaderCursor cursor(lines[i]);
    if (sameVbName(cursor.word(), u"Attribute") && sameVbName(cursor.word(), u"VB_Name") &&
        cursor.symbol(u'=')) {
      return cursor.quoted();
    }
  }
  return {};
}

// The block of an MDI form: `Begin VB.MDIForm name`.
bool isMdiForm(const std::vector<std::u16string>& lines, std::size_t header) {
  for (std::size_t i = 0; i < header; ++i) {
    HeaderCursor cursor(lines[i]);
    if (sameVbName(cursor.word(), u"Begin")) {
      return sameVbName(cursor.word(), u"VB") && cursor.symbol(u'.') &&
             sameVbName(cursor.word(), u"MDIForm");
    }
  }
  return false;
}

std::string firstLineBreak(const std::vector<RawLine>& lines, std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < to; ++i) {
    if (!lines[i].lineBreak.empty()) {
      return std::string(lines[i].lineBreak);
    }
  }
  return {};
}

bool endsWithLineBreak(std::string_view bytes) {
  return !bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r');
}

} // namespace

std::int32_t componentTypeOf(const std::filesystem::path& file) {
  const std::u16string extension = nameOf(file.extension());
  const std::pair<std::u16string_view, std::int32_t> kinds[] = {
      {u".bas", kStdModuleKind},    {u".cls", kClassModuleKind}, {u".frm", kFormKind},
      {u".pag", kPropertyPageKind}, {u".ctl", kUserControlKind}, {u".dob", kUserDocumentKind},
  };
  for (const auto& [known, kind] : kinds) {
    if (sameVbName(extension, known)) {
      return kind;
    }
  }
  throw Error(u"モジュールのファイルではありません: " + nameOf(file));
}

SourceText parseSource(std::string_view bytes, std::int32_t type, std::u16string_view fileName,
                       const AnsiCodePage& ansi) {
  SourceText source;
  source.type = type;
  source.original = bytes;
  source.byteOrderMark = bytes.starts_with(kByteOrderMark);
  if (source.byteOrderMark) {
    bytes.remove_prefix(kByteOrderMark.size());
  }
  source.codec = SourceCodec::detect(bytes, ansi, fileName);

  const std::vector<RawLine> raw = splitRawLines(bytes);
  std::vector<std::u16string> decoded;
  decoded.reserve(raw.size());
  for (const RawLine& line : raw) {
    decoded.push_back(source.codec.decode(line.content));
  }

  const std::size_t header = headerLength(decoded, fileName);
  for (std::size_t i = 0; i < header; ++i) {
    source.header.append(raw[i].content).append(raw[i].lineBreak);
  }
  const std::u16string name = componentNameIn(decoded, header);
  source.name = name.empty() ? nameOf(pathOf(fileName).stem()) : name;
  if (type == kFormKind && isMdiForm(decoded, header)) {
    source.type = kMdiFormKind;
  }

  // The code part's first line break, else the header's.
  source.lineBreak = firstLineBreak(raw, header, raw.size());
  if (source.lineBreak.empty()) {
    source.lineBreak = firstLineBreak(raw, 0, header);
  }
  if (source.lineBreak.empty()) {
    source.lineBreak = "\r\n";
  }
  source.finalLineBreak = raw.empty() || !raw.back().lineBreak.empty();

  for (std::size_t i = header; i < raw.size(); ++i) {
    if (isMemberAttribute(decoded[i])) {
      source.hiddenLines.push_back(
          {std::string(raw[i].content), static_cast<std::int32_t>(source.codeLines.size())});
    } else {
      source.codeLines.push_back(std::move(decoded[i]));
    }
  }
  return source;
}

std::string renderSource(const SourceText& source, const std::vector<std::u16string>& codeLines) {
  std::vector<std::string> body;
  std::size_t hidden = 0;
  const auto takeHiddenUpTo = [&](std::size_t line) {
    while (hidden < source.hiddenLines.size() &&
           static_cast<std::size_t>(std::max(source.hiddenLines[hidden].afterLine, 0)) <= line) {
      body.push_back(source.hiddenLines[hidden++].bytes);
    }
  };
  takeHiddenUpTo(0);
  for (std::size_t i = 0; i < codeLines.size(); ++i) {
    body.push_back(source.codec.encode(codeLines[i]));
    takeHiddenUpTo(i + 1);
  }
  takeHiddenUpTo(SIZE_MAX);

  std::string out;
  if (source.byteOrderMark) {
    out += kByteOrderMark;
  }
  out += source.header;
  if (!body.empty() && !source.header.empty() && !endsWithLineBreak(source.header)) {
    out += source.lineBreak;
  }
  for (std::size_t i = 0; i < body.size(); ++i) {
    out += body[i];
    if (i + 1 < body.size() || source.finalLineBreak) {
      out += source.lineBreak;
    }
  }
  return out;
}

SourceText readSourceFile(const std::filesystem::path& file, const AnsiCodePage& ansi) {
  const std::int32_t type = componentTypeOf(file);
  return parseSource(readFileBytes(file), type, nameOf(file.filename()), ansi);
}

} // namespace velmora::sim
