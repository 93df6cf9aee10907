#pragma once

#include "ports/form.hpp"

#include <vector>

namespace velmora {

// Ends a command that was abandoned. It is no error: it passes every error handler of the
// command (which catch velmora::Error and std::exception) up to the guard that started the
// command, so that the command shows and writes nothing more.
struct CommandAbandoned {};

// The running command's hold on the user: the forms it shows modally, innermost last, and whether
// it was abandoned.
class CommandRun {
public:
  CommandRun() = default;
  CommandRun(const CommandRun&) = delete;
  CommandRun& operator=(const CommandRun&) = delete;

  bool abandoned() const { return abandoned_; }
  // Throws CommandAbandoned once the command was abandoned.
  void goOn() const;
  // Abandons the command: each form it shows modally is unloaded, innermost first, which ends
  // that modal showing.
  void abandon();

  // A modal showing of `form` begins, or ends.
  void shown(Form& form);
  void hidden(Form& form);

private:
  bool abandoned_ = false;
  std::vector<Form*> shown_;
};

} // namespace velmora
