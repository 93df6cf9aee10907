#pragma once

#include "installer/profile_writer.hpp"
#include "ports/message_box.hpp"

namespace velmora {

// The add-in's entry in the IDE's add-in list: the IDE loads the connect class named by the
// key when the value says so.
inline constexpr char kAddInListFile[] = "VBADDIN.INI";
inline constexpr char kAddInListSection[] = "Add-Ins32";
inline constexpr char kAddInProgId[] = "Velmora.VelmoraClass";
inline constexpr char kAddInLoadValue[] = "3";

inline constexpr char16_t kSetupTitle[] = u"ベルモラｾｯﾄｱｯﾌﾟ";
inline constexpr char16_t kRegisteredMessage[] = u"アドイン「ベルモラ」の登録成功";
inline constexpr char16_t kRegisterFailedMessage[] = u"アドイン「ベルモラ」の登録に失敗しました";

// Writes the entry and tells the user whether it was stored: the success message only when the
// system accepted the write, the failure message (with the error icon) when it refused it or
// the write raised an error.
void RegisterAddIn(ProfileWriter& profile, MessageBoxes& boxes);

} // namespace velmora
