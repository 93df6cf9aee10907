#include "host/command_forms.hpp"

#include <utility>

namespace velmora {

namespace {

// A form of the running command: everything goes to the toolkit's form; a modal showing is
// registered with the run while it lasts.
class CommandForm final : public Form {
public:
  CommandForm(std::unique_ptr<Form> form, CommandRun& run) : form_(std::move(form)), run_(run) {}

  Label& label(std::string_view name, int index) override { return form_->label(name, index); }
  Button& button(std::string_view name, int index) override { return form_->button(name, index); }
  CheckBox& checkBox(std::string_view name, int index) override {
    return form_->checkBox(name, index);
  }
  TextBox& textBox(std::string_view name, int index) override {
    return form_->textBox(name, index);
  }
  ListBox& listBox(std::string_view name, int index) override {
    return form_->listBox(name, index);
  }
  ComboBox& comboBox(std::string_view name, int index) override {
    return form_->comboBox(name, index);
  }
  ListView& listView(std::string_view name, int index) override {
    return form_->listView(name, index);
  }
  PictureBox& pictureBox(std::string_view name, int index) override {
    return form_->pictureBox(name, index);
  }
  Timer& timer(std::string_view name, int index) override { return form_->timer(name, index); }

  WindowHandle handle() const override { return form_->handle(); }
  bool visible() const override { return form_->visible(); }

  void showModal() override {
    run_.goOn();
    run_.shown(*form_);
    try {
      form_->showModal();
    } catch (...) {
      run_.hidden(*form_);
      throw;
    }
    run_.hidden(*form_);
    run_.goOn();
  }
  void hide() override { form_->hide(); }
  void unload() override { form_->unload(); }
  bool unloaded() const override { return form_->unloaded(); }
  void onQueryUnload(EventHandler handler) override { form_->onQueryUnload(std::move(handler)); }
  void onCloseBox(EventHandler handler) override { form_->onCloseBox(std::move(handler)); }

private:
  std::unique_ptr<Form> form_;
  CommandRun& run_;
};

MessageResult refusal(const Message& message) {
  return message.buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
}

} // namespace

std::unique_ptr<Form> CommandForms::load(const FormSpec& spec) {
  return std::make_unique<CommandForm>(forms_.load(spec), run_);
}

MessageResult CommandForms::show(const Message& message) {
  if (run_.abandoned()) {
    return refusal(message);
  }
  const MessageResult answer = forms_.show(message);
  return run_.abandoned() ? refusal(message) : answer;
}

} // namespace velmora
