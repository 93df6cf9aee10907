#pragma once

#include "ports/forms_toolkit.hpp"

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::testing {

// Just enough of a forms toolkit for the installer: buttons that can be clicked, a close box,
// message boxes that are recorded, and a modal showing that runs the test's user actions.
class FakeButton final : public Button {
public:
  bool enabled() const override { return true; }
  void setEnabled(bool) override {}
  void setFocus() override {}
  void onClick(EventHandler handler) override { click_ = std::move(handler); }
  void click() {
    if (click_) {
      click_();
    }
  }

private:
  EventHandler click_;
};

class FakeForm final : public Form {
public:
  explicit FakeForm(std::function<void(FakeForm&)> user) : user_(std::move(user)) {}

  Button& button(std::string_view name, int index) override {
    if (index != -1 || (name != "OKButton" && name != "CancelButton")) {
      throw std::logic_error("no such button");
    }
    return buttons_[std::string(name)];
  }
  void click(const std::string& name) { buttons_.at(name).click(); }
  void closeBox() {
    if (closeBox_) {
      closeBox_();
    } else {
      unload();
    }
  }

  Label& label(std::string_view, int) override { throw std::logic_error("label"); }
  CheckBox& checkBox(std::string_view, int) override { throw std::logic_error("check box"); }
  TextBox& textBox(std::string_view, int) override { throw std::logic_error("text box"); }
  ListBox& listBox(std::string_view, int) override { throw std::logic_error("list box"); }
  ComboBox& comboBox(std::string_view, int) override { throw std::logic_error("combo box"); }
  ListView& listView(std::string_view, int) override { throw std::logic_error("list view"); }
  PictureBox& pictureBox(std::string_view, int) override { throw std::logic_error("picture"); }
  Timer& timer(std::string_view, int) override { throw std::logic_error("timer"); }

  WindowHandle handle() const override { return 1; }
  bool visible() const override { return visible_; }
  void showModal() override {
    visible_ = true;
    ++modalShowings;
    user_(*this);
  }
  void hide() override { visible_ = false; }
  void unload() override {
    if (queryUnload_) {
      queryUnload_();
    }
    visible_ = false;
    unloaded_ = true;
  }
  bool unloaded() const override { return unloaded_; }
  void onQueryUnload(EventHandler handler) override { queryUnload_ = std::move(handler); }
  void onCloseBox(EventHandler handler) override { closeBox_ = std::move(handler); }

  int modalShowings = 0;

private:
  std::function<void(FakeForm&)> user_;
  std::map<std::string, FakeButton> buttons_;
  EventHandler queryUnload_;
  EventHandler closeBox_;
  bool visible_ = false;
  bool unloaded_ = false;
};

class FakeSetupToolkit final : public FormsToolkit {
public:
  // `user` acts on the form while it is shown modally.
  explicit FakeSetupToolkit(std::function<void(FakeForm&)> user) : user_(std::move(user)) {}

  std::unique_ptr<Form> load(const FormSpec& spec) override {
    loaded.push_back(spec);
    auto form = std::make_unique<FakeForm>(user_);
    lastForm = form.get();
    return form;
  }
  MessageResult show(const Message& message) override {
    messages.push_back(message);
    formLoadedAtMessage.push_back(lastForm != nullptr && !lastForm->unloaded());
    return MessageResult::Ok;
  }

  std::vector<FormSpec> loaded;
  std::vector<Message> messages;
  std::vector<bool> formLoadedAtMessage;
  // Valid only while the form is; the tests read it inside the user actions.
  FakeForm* lastForm = nullptr;

private:
  std::function<void(FakeForm&)> user_;
};

} // namespace velmora::testing
