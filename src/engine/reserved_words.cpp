#include "engine/reserved_words.hpp"

#include <algorithm>
#include <array>
#include <string>

namespace velmora {

namespace {

// VB's reserved identifiers (statements, markers, operators, type names, literals and a few
// others), in lower case and sorted, so that a folded word is found by binary search.
constexpr std::array kReserved = std::to_array<std::u16string_view>(
    {u"addressof", u"and",      u"any",        u"as",       u"attribute",  u"boolean",
     u"byref",     u"byte",     u"byval",      u"call",     u"case",       u"close",
     u"const",     u"currency", u"date",       u"debug",    u"declare",    u"defbool",
     u"defbyte",   u"defcur",   u"defdate",    u"defdbl",   u"defint",     u"deflng",
     u"defobj",    u"defsng",   u"defstr",     u"defvar",   u"dim",        u"do",
     u"double",    u"each",     u"else",       u"elseif",   u"empty",      u"end",
     u"endif",     u"enum",     u"eqv",        u"erase",    u"event",      u"exit",
     u"false",     u"for",      u"friend",     u"function", u"get",        u"global",
     u"gosub",     u"goto",     u"if",         u"imp",      u"implements", u"in",
     u"input",     u"integer",  u"is",         u"let",      u"like",       u"lock",
     u"long",      u"loop",     u"lset",       u"me",       u"mod",        u"new",
     u"next",      u"not",      u"nothing",    u"null",     u"object",     u"on",
     u"open",      u"option",   u"optional",   u"or",       u"paramarray", u"preserve",
     u"print",     u"private",  u"public",     u"put",      u"raiseevent", u"redim",
     u"rem",       u"resume",   u"return",     u"rset",     u"seek",       u"select",
     u"set",       u"shared",   u"single",     u"spc",      u"static",     u"stop",
     u"string",    u"sub",      u"tab",        u"then",     u"to",         u"true",
     u"type",      u"typeof",   u"unlock",     u"until",    u"variant",    u"wend",
     u"while",     u"with",     u"withevents", u"write",    u"xor"});

static_assert(std::is_sorted(kReserved.begin(), kReserved.end()));

} // namespace

bool isReservedWord(std::u16string_view word) {
  std::u16string folded(word);
  for (char16_t& c : folded) {
    if (c >= u'A' && c <= u'Z') {
      c = static_cast<char16_t>(c + (u'a' - u'A'));
    }
  }
  return std::binary_search(kReserved.begin(), kReserved.end(), std::u16string_view(folded));
}

} // namespace velmora
