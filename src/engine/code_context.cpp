#include "engine/code_context.hpp"

#include <algorithm>

namespace velmora {

namespace {

bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

bool isNamePart(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || isDigit(c) || c == u'_' ||
         (c >= 0x80 && c != u'\u3000');
}

bool sameWord(std::u16string_view name, std::u16string_view lower) {
  return std::equal(
      name.begin(), name.end(), lower.begin(), lower.end(), [](char16_t a, char16_t b) {
        return (a >= u'A' && a <= u'Z' ? static_cast<char16_t>(a + (u'a' - u'A')) : a) == b;
      });
}

// Reads the logical line one physical line after the other, up to a given column of the last.
class StringCommentScan {
public:
  // Reads `line` up to, not including, index `end`; true as soon as a comment has begun.
  bool commentBefore(std::u16string_view line, std::size_t end) {
    bool inString = false; // a string literal never runs onto the next line
    std::size_t i = 0;
    while (i < end) {
      const char16_t c = line[i];
      if (inString) {
        inString = c != u'"'; // a doubled quote closes and opens again
        ++i;
      } else if (c == u'"') {
        inString = true;
        atStatementStart_ = false;
        ++i;
      } else if (c == u'\'') {
        return true;
      } else if (c == u':') {
        atStatementStart_ = true;
        ++i;
      } else if (isDigit(c) && atStatementStart_) {
        while (i < end && isDigit(line[i])) { // a line number keeps the statement's start
          ++i;
        }
      } else if (isNamePart(c)) {
        std::size_t nameEnd = i;
        while (nameEnd < line.size() && isNamePart(line[nameEnd])) {
          ++nameEnd;
        }
        const std::u16string_view name = line.substr(i, nameEnd - i);
        // Only a whole word before the column can open a comment, never the word at it.
        if (atStatementStart_ && nameEnd <= end && sameWord(name, u"rem")) {
          return true;
        }
        // A statement starts after "Then" and "Else" of a single-line If, too.
        atStatementStart_ = sameWord(name, u"then") || sameWord(name, u"else");
        i = nameEnd;
      } else {
        if (c != u' ' && c != u'\t' && c != u'\u3000') {
          atStatementStart_ = false;
        }
        ++i;
      }
    }
    inString_ = inString;
    return false;
  }

  bool inString() const { return inString_; }

private:
  bool atStatementStart_ = true;
  bool inString_ = false;
};

} // namespace

bool isInStringOrComment(std::span<const std::u16string> logicalLine, std::int32_t column) {
  if (logicalLine.empty()) {
    return false;
  }
  StringCommentScan scan;
  for (std::size_t i = 0; i + 1 < logicalLine.size(); ++i) {
    if (scan.commentBefore(logicalLine[i], logicalLine[i].size())) {
      return true;
    }
  }
  const std::u16string& last = logicalLine.back();
  const auto end =
      std::min<std::size_t>(last.size(), static_cast<std::size_t>(std::max(column, 1) - 1));
  return scan.commentBefore(last, end) || scan.inString();
}

bool isMemberName(std::u16string_view line, std::int32_t startColumn) {
  if (startColumn < 2 || static_cast<std::size_t>(startColumn - 1) > line.size()) {
    return false;
  }
  const char16_t before = line[static_cast<std::size_t>(startColumn - 2)];
  return before == u'.' || before == u'!';
}

bool isDirectiveLine(std::u16string_view line) {
  const auto first = line.find_first_not_of(u" \t");
  return first != std::u16string_view::npos && line[first] == u'#';
}

} // namespace velmora
