#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The settings file's name, its one section and its keys.
inline constexpr std::u16string_view kSettingsFileName = u"Velmora.ini";
inline constexpr std::u16string_view kSettingsSection = u"Velmora";

// Numbered keys: the word and the number in decimal ("SettouChar12", "HotKeyFlg3", "Key4").
inline constexpr std::u16string_view kSettouCharKey = u"SettouChar";
inline constexpr std::u16string_view kKataKey = u"Kata";
inline constexpr std::u16string_view kHotKeyFlgKey = u"HotKeyFlg";
inline constexpr std::u16string_view kHotKeyKeyKey = u"Key";

// The four options.
inline constexpr std::u16string_view kNonKey = u"Non";
inline constexpr std::u16string_view kTenmetsuKey = u"Tenmetsu";
inline constexpr std::u16string_view kCommentKey = u"Comment";
inline constexpr std::u16string_view kImeModeKey = u"ImeMode";

// The word followed by the number in decimal, without spaces or leading zeros.
std::u16string numberedKey(std::u16string_view word, long long number);

} // namespace velmora
