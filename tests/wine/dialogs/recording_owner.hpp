#pragma once

#include "settings/settings_form_owner.hpp"

#include <string>
#include <vector>

namespace velmora::testing {

// The connection's side of the settings form: notes what the form asks of it.
class RecordingOwner final : public SettingsFormOwner {
public:
  void declare(std::u16string_view kind) override { declared.emplace_back(kind); }
  void UpdateButtonTips() override { ++tipUpdates; }

  std::vector<std::u16string> declared;
  int tipUpdates = 0;
};

} // namespace velmora::testing
