#pragma once

#include <cstdint>
#include <string_view>

namespace velmora {

// The error descriptions of the two conversion failures, as Visual Basic words them.
inline constexpr std::u16string_view kTypeMismatchDescription = u"型が一致しません。";
inline constexpr std::u16string_view kOverflowDescription = u"オーバーフローしました。";

// Text to a 16-bit Integer, as Visual Basic converts a string (CInt), independent of the locale:
//   - spaces and tabs around the number are allowed;
//   - a decimal number: an optional sign, digits with an optional '.' and fraction (one of the
//     two parts may be empty, not both), an optional exponent (E or e, optional sign, digits);
//     a fraction is rounded to an integer half to even ("2.5" is 2, "3.5" is 4, "-0.5" is 0);
//   - a hexadecimal "&H1F" or octal "&O17" (or "&17") number, without sign, read as the bit
//     pattern of the type when it does not fit as it is ("&HFFFF" is -1);
//   - nothing else: no thousands separators, no currency signs, no type suffixes, no "True".
// Throws Error with kTypeMismatchDescription for text that is not such a number and with
// kOverflowDescription for a number outside -32768..32767 (after rounding).
std::int16_t CIntFromText(std::u16string_view text);

// The same for a 32-bit Long (CLng): range -2147483648..2147483647, "&HFFFFFFFF" is -1.
std::int32_t CLngFromText(std::u16string_view text);

} // namespace velmora
