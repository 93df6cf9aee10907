#pragma once

#include <string_view>

namespace velmora {

// What the settings form needs from the connection that loaded it.
class SettingsFormOwner {
public:
  virtual ~SettingsFormOwner() = default;

  // Runs the declaration command (DoDeclare) with the kind "Dim", "Private", "Public" or "Bas".
  // An Error it lets through is reported by the form.
  virtual void declare(std::u16string_view kind) = 0;
  // Rewrites the toolbar tooltips from the hotkeys and the form's key lists; reports its own
  // errors.
  virtual void UpdateButtonTips() = 0;
};

} // namespace velmora
