#pragma once

#include <functional>
#include <string>
#include <windows.h>

namespace velmora::sim::vbide {

// How the scenario's thread has work done on the IDE's thread: the work is posted to the IDE's
// main window and runs once the IDE is idle (no call into an add-in under way).
class IdeChannel {
public:
  IdeChannel(HWND ideWindow, DWORD timeout) : window_(ideWindow), timeout_(timeout) {}

  // Runs `work` and returns its text. Throws StepFailure when it failed, or when the IDE did not
  // come to it within the timeout (a dialog of an add-in is still open, say). The work must
  // capture by value: after a timeout it may still run later.
  std::string call(std::function<std::string()> work) const;
  // For work that calls into an add-in, which may open a dialog and wait in it: waits until the
  // work is done (and throws StepFailure when it failed) or until a new window of this process
  // shows (the dialog), whichever comes first. StepFailure when neither happens in time.
  void callUnlessDialog(std::function<std::string()> work) const;
  // Returns once the IDE's thread has handled every message sent to it before (it answers a
  // sent message even inside a dialog); StepFailure after the timeout.
  void flushSent() const;

  HWND window() const { return window_; }
  DWORD timeout() const { return timeout_; }

private:
  HWND window_;
  DWORD timeout_;
};

} // namespace velmora::sim::vbide
