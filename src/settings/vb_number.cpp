#include "settings/vb_number.hpp"

#include "support/error.hpp"

#include <limits>
#include <string>

namespace velmora {

namespace {

[[noreturn]] void typeMismatch() {
  throw Error(std::u16string(kTypeMismatchDescription));
}
[[noreturn]] void overflow() {
  throw Error(std::u16string(kOverflowDescription));
}

bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

int hexDigit(char16_t c) {
  if (isDigit(c)) {
    return c - u'0';
  }
  if (c >= u'a' && c <= u'f') {
    return c - u'a' + 10;
  }
  if (c >= u'A' && c <= u'F') {
    return c - u'A' + 10;
  }
  return -1;
}

std::u16string_view trimmed(std::u16string_view text) {
  const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  while (!text.empty() && blank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && blank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// "&H..." or "&O..." / "&..." (the '&' already taken): the unsigned value, saturated at
// `limit` + 1 so that a too large number is seen as one.
std::uint64_t radixValue(std::u16string_view digits, std::uint64_t limit) {
  unsigned radix = 8;
  if (!digits.empty() && (digits.front() == u'H' || digits.front() == u'h')) {
    radix = 16;
    digits.remove_prefix(1);
  } else if (!digits.empty() && (digits.front() == u'O' || digits.front() == u'o')) {
    digits.remove_prefix(1);
  }
  if (digits.empty()) {
    typeMismatch();
  }
  std::uint64_t value = 0;
  for (const char16_t c : digits) {
    const int digit = hexDigit(c);
    if (digit < 0 || static_cast<unsigned>(digit) >= radix) {
      typeMismatch();
    }
    if (value <= limit) {
      value = value * radix + static_cast<unsigned>(digit);
    }
  }
  return value;
}

// A decimal number rounded half to even, as magnitude and sign; the magnitude saturates above
// `limit` so that a too large number is seen as one.
struct Rounded {
  bool negative = false;
  std::uint64_t magnitude = 0;
};

Rounded decimalValue(std::u16string_view text, std::uint64_t limit) {
  Rounded result;
  if (!text.empty() && (text.front() == u'+' || text.front() == u'-')) {
    result.negative = text.front() == u'-';
    text.remove_prefix(1);
  }
  // The significant digits and the position of the decimal point among them.
  std::string digits;
  long long point = 0;
  std::size_t pos = 0;
  bool anyDigit = false;
  for (; pos < text.size() && isDigit(text[pos]); ++pos) {
    anyDigit = true;
    if (!digits.empty() || text[pos] != u'0') {
      digits += static_cast<char>(text[pos]);
      ++point;
    }
  }
  if (pos < text.size() && text[pos] == u'.') {
    for (++pos; pos < text.size() && isDigit(text[pos]); ++pos) {
      anyDigit = true;
      if (!digits.empty() || text[pos] != u'0') {
        digits += static_cast<char>(text[pos]);
      } else {
        --point;
      }
    }
  }
  if (!anyDigit) {
    typeMismatch();
  }
  if (pos < text.size() && (text[pos] == u'E' || text[pos] == u'e')) {
    ++pos;
    bool negativeExponent = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
      negativeExponent = text[pos] == u'-';
      ++pos;
    }
    if (pos == text.size()) {
      typeMismatch();
    }
    long long exponent = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
      exponent = std::min(exponent * 10 + (text[pos] - u'0'), 1000000LL);
    }
    point += negativeExponent ? -exponent : exponent;
  }
  if (pos != text.size()) {
    typeMismatch();
  }
  if (digits.empty()) {
    return result;
  }
  // More than 19 integer digits cannot fit any of the types.
  if (point > 19) {
    result.magnitude = limit + 1;
    return result;
  }
  for (long long i = 0; i < point; ++i) {
    const auto index = static_cast<std::size_t>(i);
    result.magnitude = result.magnitude * 10 + (index < digits.size() ? digits[index] - '0' : 0);
  }
  // The fraction: digits from `point` on (all of them when the point is left of the first).
  if (point >= 0 && static_cast<std::size_t>(point) < digits.size()) {
    const auto first = static_cast<std::size_t>(point);
    const int lead = digits[first] - '0';
    const bool more = digits.find_first_not_of('0', first + 1) != std::string::npos;
    if (lead > 5 || (lead == 5 && (more || result.magnitude % 2 == 1))) {
      ++result.magnitude;
    }
  }
  return result;
}

template <typename Int> Int convert(std::u16string_view text) {
  using Unsigned = std::make_unsigned_t<Int>;
  constexpr auto maxValue = static_cast<std::uint64_t>(std::numeric_limits<Int>::max());
  constexpr auto maxPattern = static_cast<std::uint64_t>(std::numeric_limits<Unsigned>::max());
  text = trimmed(text);
  if (text.empty()) {
    typeMismatch();
  }
  if (text.front() == u'&') {
    const std::uint64_t value = radixValue(text.substr(1), maxPattern);
    if (value > maxPattern) {
      overflow();
    }
    return static_cast<Int>(static_cast<Unsigned>(value));
  }
  const Rounded value = decimalValue(text, maxValue + 1);
  if (value.negative) {
    if (value.magnitude > maxValue + 1) {
      overflow();
    }
    return static_cast<Int>(-static_cast<long long>(value.magnitude));
  }
  if (value.magnitude > maxValue) {
    overflow();
  }
  return static_cast<Int>(value.magnitude);
}

} // namespace

std::int16_t CIntFromText(std::u16string_view text) {
  return convert<std::int16_t>(text);
}

std::int32_t CLngFromText(std::u16string_view text) {
  return convert<std::int32_t>(text);
}

} // namespace velmora
