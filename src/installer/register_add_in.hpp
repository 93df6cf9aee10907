#pragma once

#include "installer/profile_files.hpp"
#include "installer/setup_places.hpp"
#include "ports/message_box.hpp"

namespace velmora {

inline constexpr char16_t kSetupTitle[] = u"ベルモラｾｯﾄｱｯﾌﾟ";
inline constexpr char16_t kRegisteredMessage[] = u"アドイン「ベルモラ」の登録成功";
inline constexpr char16_t kRegisterFailedMessage[] = u"アドイン「ベルモラ」の登録に失敗しました";

// Writes the entry into every add-in list the IDE may read (AddInListFiles) and tells the user
// the outcome in one message: success only when every one of them holds the entry afterwards,
// else the failure message with the error icon (also when a write raised an error).
void RegisterAddIn(ProfileFiles& profile, const SetupPlaces& places, MessageBoxes& boxes);

} // namespace velmora
