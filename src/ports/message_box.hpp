#pragma once

#include <optional>
#include <string>

namespace velmora {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Critical };
enum class MessageResult { Ok, Yes, No };

// The application title a message box shows when it gives no title of its own.
inline constexpr char16_t kApplicationTitle[] = u"Velmora";

struct Message {
  std::u16string text;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  std::optional<std::u16string> title; // none: the application title

  std::u16string shownTitle() const { return title ? *title : std::u16string(kApplicationTitle); }
};

// Modal message boxes; with Yes/No the first button (Yes) is the default.
class MessageBoxes {
public:
  virtual ~MessageBoxes() = default;

  virtual MessageResult show(const Message& message) = 0;
};

} // namespace velmora
