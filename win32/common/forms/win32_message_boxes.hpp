#pragma once

#include "ports/message_box.hpp"

namespace velmora::win32 {

// Message boxes of the system (MessageBoxW), owned by the thread's active window when there is
// one, so that they stay above the dialog that asks.
class Win32MessageBoxes final : public MessageBoxes {
public:
  // Throws HostError when the system cannot show the box, rather than inventing an answer.
  MessageResult show(const Message& message) override;
};

} // namespace velmora::win32
