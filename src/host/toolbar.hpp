#pragma once

#include "host/event_sinks.hpp"
#include "host/toolbar_buttons.hpp"
#include "host/vbe.hpp"
#include "hotkey/hot_key.hpp"
#include "ports/clipboard.hpp"
#include "ports/form.hpp"
#include "ports/message_box.hpp"

#include <functional>
#include <string>

namespace velmora {

inline constexpr char16_t kToolbarName[] = u"ベルモラ";

// The captions of the five buttons, in their order on the bar.
const std::array<std::u16string, 5>& ToolbarCaptions();

// What building the toolbar works with.
struct ToolbarContext {
  Vbe& vbe;
  ToolbarButtons& buttons;
  EventSinks& sinks;
  Clipboard& clipboard;
  // The settings form's window, loading the form on first use: it holds the button faces.
  std::function<Form&()> settingsForm;
  // Called when button `index` (0 Dim ... 4 settings) is clicked.
  std::function<void(int index)> onClick;
};

// Finds or adds the bar "ベルモラ", makes it visible and appends the five buttons with their
// captions and faces, their clicks bound to onClick. Buttons with those captions left on a reused
// bar by an earlier run are removed first; the clipboard's content is put back afterwards.
// Raises the first error it meets; what was built before it stays.
void CreateToolbar(ToolbarContext& context);

// The tooltip of declaration button n (1 to 4): its head, the modifiers and the key's text
// from `keyList` (the first entry carrying the key), then ")".
std::u16string ButtonTip(int n, const HotKey& hotKey, const ComboBox& keyList);

// Writes the hotkeys into the four declaration buttons' tooltips. Reports its own errors.
void UpdateButtonTips(const ToolbarButtons& buttons, const HotKeys& hotKeys, Form& settingsForm,
                      MessageBoxes& messages);

} // namespace velmora
