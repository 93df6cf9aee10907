#include "forms/win32_message_boxes.hpp"

#include "forms/wide_text.hpp"
#include "support/error.hpp"

#include <windows.h>

namespace velmora::win32 {

MessageResult Win32MessageBoxes::show(const Message& message) {
  UINT style = message.buttons == MessageButtons::YesNo ? MB_YESNO | MB_DEFBUTTON1 : MB_OK;
  if (message.icon == MessageIcon::Critical) {
    style |= MB_ICONERROR;
  }
  const std::wstring text = wide(message.text);
  const std::wstring title = wide(message.shownTitle());
  switch (MessageBoxW(GetActiveWindow(), text.c_str(), title.c_str(), style)) {
  case IDOK:
    return MessageResult::Ok;
  case IDYES:
    return MessageResult::Yes;
  case IDNO:
    return MessageResult::No;
  case IDCANCEL:
    // Esc in a box with OK alone; a dismissed question is no consent.
    return message.buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::No;
  default:
    throw HostError(u"メッセージボックスを表示できません。");
  }
}

} // namespace velmora::win32
