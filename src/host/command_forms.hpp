#pragma once

#include "host/command_run.hpp"
#include "ports/forms_toolkit.hpp"

namespace velmora {

// The forms toolkit as a running command sees it. Its forms register their modal showings with
// the run, so that abandoning the run unloads them; a modal showing that ends (or would begin)
// after the run was abandoned throws CommandAbandoned instead of returning. A message box is never
// shown once the run was abandoned, and its answer then refuses (No, or OK for a box without a
// choice): message boxes are also shown from the forms' event procedures, where nothing may be
// thrown.
class CommandForms final : public FormsToolkit {
public:
  CommandForms(FormsToolkit& forms, CommandRun& run) : forms_(forms), run_(run) {}

  std::unique_ptr<Form> load(const FormSpec& spec) override;
  MessageResult show(const Message& message) override;

private:
  FormsToolkit& forms_;
  CommandRun& run_;
};

} // namespace velmora
