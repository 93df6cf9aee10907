#include "installer/register_add_in.hpp"

#include "installer/add_in_entry.hpp"
#include "installer/add_in_list_files.hpp"

namespace velmora {

namespace {

// Whether the list holds the entry once written: what the system says of the write is not
// enough, the file itself is asked.
bool enterInto(ProfileFiles& profile, const std::u16string& list) {
  try {
    profile.write(list, kAddInListSection, kAddInProgId, kAddInLoadValue);
    return profile.read(list, kAddInListSection, kAddInProgId) == kAddInLoadValue;
  } catch (...) {
    // Whatever stopped the write, the entry is not there: the user is told so below.
    return false;
  }
}

bool enterEverywhere(ProfileFiles& profile, const SetupPlaces& places) {
  std::vector<std::u16string> lists;
  try {
    lists = AddInListFiles(places);
  } catch (...) {
    return false;
  }
  bool entered = true;
  for (const std::u16string& list : lists) {
    entered = enterInto(profile, list) && entered;
  }
  return entered;
}

} // namespace

void RegisterAddIn(ProfileFiles& profile, const SetupPlaces& places, MessageBoxes& boxes) {
  Message message;
  message.title = kSetupTitle;
  if (enterEverywhere(profile, places)) {
    message.text = kRegisteredMessage;
  } else {
    message.text = kRegisterFailedMessage;
    message.icon = MessageIcon::Critical;
  }
  boxes.show(message);
}

} // namespace velmora
