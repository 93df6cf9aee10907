#pragma once

#include "ports/forms_toolkit.hpp"
#include "sim/forms/scripted_form.hpp"
#include "sim/forms/ui_host.hpp"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace velmora::sim {

// A forms toolkit whose user is a test: each modal showing runs the next script queued for that
// form, and each message box takes the next queued answer. Everything shown is recorded.
//
// With a host, showings are modal as the system's are: while a form is shown modally every other
// enabled top-level window of the thread is disabled, and enabled again when the form is hidden
// or unloaded; a message box does the same while it is up. Nested showings give back exactly
// what they took; a window that was disabled already stays so.
class ScriptedToolkit final : public FormsToolkit {
public:
  using Script = std::function<void(ScriptedForm&)>;
  using MessageScript = std::function<MessageResult(const Message&)>;

  // Without a host, forms get made-up window handles and timers run only through fire().
  explicit ScriptedToolkit(UiHost* host = nullptr);

  std::unique_ptr<Form> load(const FormSpec& spec) override;
  MessageResult show(const Message& message) override;

  // What the user does the next time `formName` is shown modally (one script per showing).
  void whenShown(const std::string& formName, Script script);
  // The user's answer to the next message box; unanswered boxes take their default button.
  void answerNextMessage(MessageResult result);
  // Runs for every message box before the queued answers are used; may itself act (re-entry).
  void onMessage(MessageScript script) { messageScript_ = std::move(script); }

  const std::vector<Message>& messages() const { return messages_; }
  void clearMessages() { messages_.clear(); }
  // Names of the forms shown modally, in order.
  const std::vector<std::string>& shown() const { return shown_; }
  std::size_t pendingScripts() const;
  // The loaded form of that name, or null.
  ScriptedForm* loaded(const std::string& formName) const;

  // Loads, showings, hides and unloads ("load frmKata", "showModal frmKata", ...) are appended
  // to `journal` while set, with the message boxes ("message <text>").
  void journalTo(std::vector<std::string>* journal) { journal_ = journal; }
  void note(const std::string& event, const FormSpec& spec);

  // Used by ScriptedForm.
  UiHost* host() const { return host_; }
  WindowHandle newHandle(const FormSpec& spec);
  void releaseHandle(WindowHandle handle);
  void runModal(ScriptedForm& form);
  // The form's modal showing is over (hidden, unloaded or gone): its modality ends.
  void endModality(ScriptedForm& form);
  void forget(ScriptedForm& form);

private:
  UiHost* host_;
  WindowHandle nextHandle_ = 0x10000;
  std::map<std::string, std::deque<Script>> scripts_;
  std::deque<MessageResult> answers_;
  MessageScript messageScript_;
  std::vector<Message> messages_;
  std::vector<std::string> shown_;
  std::vector<ScriptedForm*> loaded_;
  // The forms shown modally, innermost last, each with the windows its showing disabled.
  std::vector<std::pair<ScriptedForm*, std::vector<WindowHandle>>> modal_;
  std::vector<std::string>* journal_ = nullptr;
};

} // namespace velmora::sim
