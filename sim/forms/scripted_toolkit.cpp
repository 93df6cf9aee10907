#include "sim/forms/scripted_toolkit.hpp"

#include "support/utf.hpp"

#include <algorithm>
#include <stdexcept>

namespace velmora::sim {

ScriptedToolkit::ScriptedToolkit(UiHost* host) : host_(host) {}

std::unique_ptr<Form> ScriptedToolkit::load(const FormSpec& spec) {
  auto form = std::make_unique<ScriptedForm>(*this, spec);
  loaded_.push_back(form.get());
  note("load", spec);
  return form;
}

MessageResult ScriptedToolkit::show(const Message& message) {
  messages_.push_back(message);
  if (journal_ != nullptr) {
    journal_->push_back("message " + toUtf8(message.text));
  }
  if (messageScript_) {
    const std::vector<WindowHandle> disabled =
        host_ != nullptr ? host_->disableThreadWindows(0) : std::vector<WindowHandle>();
    try {
      messageScript_(message);
    } catch (...) {
      if (host_ != nullptr) {
        host_->enableWindows(disabled);
      }
      throw;
    }
    if (host_ != nullptr) {
      host_->enableWindows(disabled);
    }
  }
  if (!answers_.empty()) {
    const MessageResult answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return message.buttons == MessageButtons::YesNo ? MessageResult::Yes : MessageResult::Ok;
}

void ScriptedToolkit::note(const std::string& event, const FormSpec& spec) {
  if (journal_ != nullptr) {
    journal_->push_back(event + " " + spec.name);
  }
}

void ScriptedToolkit::whenShown(const std::string& formName, Script script) {
  scripts_[formName].push_back(std::move(script));
}

void ScriptedToolkit::answerNextMessage(MessageResult result) {
  answers_.push_back(result);
}

std::size_t ScriptedToolkit::pendingScripts() const {
  std::size_t count = 0;
  for (const auto& [name, queue] : scripts_) {
    count += queue.size();
  }
  return count;
}

ScriptedForm* ScriptedToolkit::loaded(const std::string& formName) const {
  for (auto* form : loaded_) {
    if (form->spec().name == formName) {
      return form;
    }
  }
  return nullptr;
}

WindowHandle ScriptedToolkit::newHandle(const FormSpec& spec) {
  if (host_ != nullptr) {
    return host_->createWindow(toUtf8(spec.caption));
  }
  return nextHandle_++;
}

void ScriptedToolkit::releaseHandle(WindowHandle handle) {
  if (host_ != nullptr) {
    host_->destroyWindow(handle);
  }
}

void ScriptedToolkit::forget(ScriptedForm& form) {
  endModality(form);
  std::erase(loaded_, &form);
}

void ScriptedToolkit::endModality(ScriptedForm& form) {
  const auto it = std::find_if(modal_.begin(), modal_.end(),
                               [&form](const auto& entry) { return entry.first == &form; });
  if (it == modal_.end()) {
    return;
  }
  const std::vector<WindowHandle> disabled = std::move(it->second);
  modal_.erase(it);
  if (host_ != nullptr) {
    host_->enableWindows(disabled);
  }
}

void ScriptedToolkit::runModal(ScriptedForm& form) {
  const std::string& name = form.spec().name;
  shown_.push_back(name);
  auto& queue = scripts_[name];
  if (queue.empty()) {
    throw std::logic_error("nobody answers the modal form " + name);
  }
  Script script = std::move(queue.front());
  queue.pop_front();
  modal_.emplace_back(&form, host_ != nullptr ? host_->disableThreadWindows(form.handle())
                                              : std::vector<WindowHandle>());
  try {
    script(form);
  } catch (...) {
    endModality(form);
    throw;
  }
  if (!form.unloaded() && form.visible()) {
    endModality(form);
    throw std::logic_error("the modal form " + name + " is still shown after its script");
  }
}

} // namespace velmora::sim
