#include "installer/register_add_in.hpp"

namespace velmora {

namespace {

bool writeEntry(ProfileWriter& profile) {
  try {
    return profile.write(kAddInListFile, kAddInListSection, kAddInProgId, kAddInLoadValue);
  } catch (...) {
    // Whatever stopped the write, the entry is not there: the user is told so below.
    return false;
  }
}

} // namespace

void RegisterAddIn(ProfileWriter& profile, MessageBoxes& boxes) {
  Message message;
  message.title = kSetupTitle;
  if (writeEntry(profile)) {
    message.text = kRegisteredMessage;
  } else {
    message.text = kRegisterFailedMessage;
    message.icon = MessageIcon::Critical;
  }
  boxes.show(message);
}

} // namespace velmora
