#include "fuzz_input.hpp"
#include "settings/vb_number.hpp"
#include "support/error.hpp"
#include "support/text.hpp"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

// The conversion of option and hotkey values from the settings file: Visual Basic's CInt and
// CLng of a text. Input: one byte choosing how the rest is read (UTF-8 or UTF-16LE units), then
// the text.
namespace velmora::fuzz {
namespace {

enum class Outcome { Value, Mismatch, Overflow };

struct Result {
  Outcome outcome = Outcome::Value;
  std::int64_t value = 0;
};

template <typename Convert> Result run(Convert convert, std::u16string_view text) {
  try {
    return {Outcome::Value, convert(text)};
  } catch (const Error& error) {
    if (error.description() == kTypeMismatchDescription) {
      return {Outcome::Mismatch, 0};
    }
    require(error.description() == kOverflowDescription, "a conversion failed with another text");
    return {Outcome::Overflow, 0};
  }
}

// A plain decimal number ("-12.5", "007", ".5") of at most 15 significant digits, which a double
// holds exactly enough to round it as the conversion must: half to even.
std::optional<double> plainDecimal(std::u16string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(u" \t"), text.size()));
  text.remove_suffix(text.size() - std::min(text.find_last_not_of(u" \t") + 1, text.size()));
  std::string ascii;
  int digits = 0;
  bool point = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= u'0' && c <= u'9') {
      digits += (digits > 0 || c != u'0') ? 1 : 0;
    } else if (c == u'.' && !point) {
      point = true;
    } else if (!((c == u'+' || c == u'-') && i == 0)) {
      return std::nullopt;
    }
    ascii += static_cast<char>(c);
  }
  if (digits > 15 || ascii.find_first_of("0123456789") == std::string::npos) {
    return std::nullopt;
  }
  std::fesetround(FE_TONEAREST);
  return std::nearbyint(std::strtod(ascii.c_str(), nullptr));
}

} // namespace

void checkInput(FuzzInput& input) {
  const bool units = (input.byte() & 1) != 0;
  const std::u16string text = textOf(units, input.rest());
  const Result asInteger = run(CIntFromText, text);
  const Result asLong = run(CLngFromText, text);

  if (const std::optional<double> expected = plainDecimal(text)) {
    const auto expect = [&](const Result& result, double low, double high) {
      if (*expected < low || *expected > high) {
        require(result.outcome == Outcome::Overflow, "a number out of range was not an overflow");
      } else {
        require(result.outcome == Outcome::Value && static_cast<double>(result.value) == *expected,
                "a decimal number converted to another value");
      }
    };
    expect(asInteger, -32768, 32767);
    expect(asLong, -2147483648.0, 2147483647.0);
  }

  // An Integer is a Long too, for the same decimal text (the bit patterns of "&H" differ).
  if (asInteger.outcome == Outcome::Value && trimSpaces(text).find(u'&') == std::u16string::npos) {
    require(asLong.outcome == Outcome::Value && asLong.value == asInteger.value,
            "CInt and CLng disagree");
  }
  if (asLong.outcome == Outcome::Value) {
    require(CLngFromText(decimal(asLong.value)) == asLong.value,
            "a Long's decimal text converted to another value");
  }
}

} // namespace velmora::fuzz
