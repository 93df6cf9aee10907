#include "sim/ide/vb_statements.hpp"

#include "sim/ide/vb_names.hpp"

#include <string_view>

namespace velmora::sim {

namespace {

bool isSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\u3000';
}

bool isAsciiLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// VB names may hold letters of any script, so every non-ASCII character but a space counts.
bool isNameStart(char16_t c) {
  return isAsciiLetter(c) || (c >= 0x80 && !isSpace(c));
}

bool isNamePart(char16_t c) {
  return isNameStart(c) || isDigit(c) || c == u'_';
}

bool isTypeSuffix(char16_t c) {
  return std::u16string_view(u"%&!#@$").find(c) != std::u16string_view::npos;
}

// Only these two separate the continuation mark from what precedes and follows it; an
// ideographic space does not.
bool isSpaceOrTab(char16_t c) {
  return c == u' ' || c == u'\t';
}

// True when the "_" at `at` is the last character but spaces and tabs, after a space or tab
// or at the start of the line.
bool isContinuationMark(std::u16string_view line, std::size_t at) {
  if (at > 0 && !isSpaceOrTab(line[at - 1])) {
    return false;
  }
  for (std::size_t i = at + 1; i < line.size(); ++i) {
    if (!isSpaceOrTab(line[i])) {
      return false;
    }
  }
  return true;
}

// Whether a line that holds a comment from `commentStart` ends in a continuation mark.
bool commentContinues(std::u16string_view line, std::size_t commentStart) {
  std::size_t end = line.size();
  while (end > commentStart && isSpaceOrTab(line[end - 1])) {
    --end;
  }
  return end > commentStart && line[end - 1] == u'_' && isContinuationMark(line, end - 1);
}

// Reads one physical line into a statement under construction.
class LineReader {
public:
  LineReader(std::u16string_view line, Statement& statement, bool& inComment,
             bool& atStatementStart)
      : line_(line), statement_(statement), inComment_(inComment),
        atStatementStart_(atStatementStart) {}

  // Returns whether the statement continues on the next line.
  bool read() {
    if (inComment_) {
      return comment(0);
    }
    std::size_t i = 0;
    while (i < line_.size()) {
      const char16_t c = line_[i];
      if (isSpace(c)) {
        ++i;
      } else if (c == u'\'') {
        return comment(i);
      } else if (c == u'_' && isContinuationMark(line_, i)) {
        return true;
      } else if (c == u'"') {
        i = string(i);
      } else if (c == u'[') {
        i = bracketName(i);
      } else if (isNameStart(c)) {
        const std::size_t end = name(i);
        if (atStatementStart_ && sameVbName(statement_.tokens.back().text, u"Rem")) {
          statement_.tokens.pop_back();
          return comment(i);
        }
        atStatementStart_ = false;
        i = end;
      } else if (isDigit(c)) {
        std::size_t end = i;
        while (end < line_.size() && (isNamePart(line_[end]) || line_[end] == u'.')) {
          ++end;
        }
        push(TokenKind::Number, line_.substr(i, end - i));
        i = end;
      } else {
        push(TokenKind::Symbol, line_.substr(i, 1));
        atStatementStart_ = c == u':';
        ++i;
      }
    }
    return false;
  }

  bool sawComment() const { return sawComment_; }

private:
  void push(TokenKind kind, std::u16string_view text) {
    statement_.tokens.push_back(Token{kind, std::u16string(text)});
    if (kind != TokenKind::Word) {
      atStatementStart_ = false;
    }
  }

  bool comment(std::size_t start) {
    sawComment_ = true;
    inComment_ = commentContinues(line_, start);
    return inComment_;
  }

  std::size_t string(std::size_t start) {
    std::size_t i = start + 1;
    while (i < line_.size()) {
      if (line_[i] == u'"') {
        if (i + 1 < line_.size() && line_[i + 1] == u'"') {
          i += 2;
          continue;
        }
        ++i;
        break;
      }
      ++i;
    }
    push(TokenKind::String, line_.substr(start, i - start));
    return i;
  }

  std::size_t bracketName(std::size_t start) {
    const std::size_t close = line_.find(u']', start + 1);
    if (close == std::u16string_view::npos) {
      push(TokenKind::Symbol, line_.substr(start, 1));
      return start + 1;
    }
    push(TokenKind::Word, line_.substr(start + 1, close - start - 1));
    atStatementStart_ = false;
    return close + 1;
  }

  std::size_t name(std::size_t start) {
    std::size_t end = start;
    while (end < line_.size() && isNamePart(line_[end])) {
      ++end;
    }
    push(TokenKind::Word, line_.substr(start, end - start));
    return (end < line_.size() && isTypeSuffix(line_[end])) ? end + 1 : end;
  }

  std::u16string_view line_;
  Statement& statement_;
  bool& inComment_;
  bool& atStatementStart_;
  bool sawComment_ = false;
};

} // namespace

std::vector<Statement> splitStatements(const std::vector<std::u16string>& lines) {
  std::vector<Statement> statements;
  std::size_t i = 0;
  while (i < lines.size()) {
    Statement statement;
    statement.firstLine = static_cast<std::int32_t>(i + 1);
    bool inComment = false;
    bool atStatementStart = true;
    bool sawComment = false;
    bool continues = true;
    while (continues && i < lines.size()) {
      LineReader reader(lines[i], statement, inComment, atStatementStart);
      continues = reader.read();
      sawComment = sawComment || reader.sawComment();
      statement.lastLine = static_cast<std::int32_t>(++i);
    }
    if (!statement.tokens.empty()) {
      statement.shape = StatementShape::Code;
    } else if (sawComment) {
      statement.shape = StatementShape::Comment;
    }
    statements.push_back(std::move(statement));
  }
  return statements;
}

} // namespace velmora::sim
