#include "sim/vbide/objects/command_bars_model.hpp"

#include "sim/ide/host_messages.hpp"
#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/office_messages.hpp"

#include <algorithm>
#include <array>

namespace velmora::sim::vbide {

namespace {

constexpr std::int32_t kLastPosition = kBarPopup;

[[noreturn]] void invalidArgument() {
  throw AutomationError(vbErrorCode(5), kInvalidCallOrArgument);
}

} // namespace

void CommandBarsModel::addBuiltInBars() {
  struct BuiltIn {
    const char16_t* name;
    const char16_t* nameLocal;
  };
  static constexpr std::array<BuiltIn, 5> builtIns = {{
      {u"Menu Bar", u"メニュー バー"},
      {u"Standard", u"標準"},
      {u"Edit", u"編集"},
      {u"Debug", u"デバッグ"},
      {u"Form Editor", u"フォーム エディタ"},
  }};
  for (const BuiltIn& each : builtIns) {
    auto bar = addBar(each.name, each.nameLocal, kBarTop, true);
    bar->menuBar = bars_.size() == 1;
  }
  changed();
}

std::shared_ptr<CommandBarModel> CommandBarsModel::addBar(std::u16string name,
                                                          std::u16string nameLocal,
                                                          std::int32_t position, bool builtIn) {
  auto bar = std::make_shared<CommandBarModel>();
  bar->name = std::move(name);
  bar->nameLocal = std::move(nameLocal);
  bar->position = position;
  bar->builtIn = builtIn;
  bar->visible = builtIn;
  bars_.push_back(bar);
  return bar;
}

std::shared_ptr<CommandBarModel> CommandBarsModel::item(std::int32_t index) const {
  if (index < 1 || index > count()) {
    throw AutomationError(vbErrorCode(9), kSubscriptOutOfRange);
  }
  return bars_[static_cast<std::size_t>(index - 1)];
}

std::shared_ptr<CommandBarModel> CommandBarsModel::find(std::u16string_view name) const {
  for (const auto& bar : bars_) {
    if (bar->name == name || bar->nameLocal == name) {
      return bar;
    }
  }
  return nullptr;
}

std::shared_ptr<CommandBarModel> CommandBarsModel::item(std::u16string_view name) const {
  if (auto bar = find(name)) {
    return bar;
  }
  invalidArgument();
}

std::shared_ptr<CommandBarModel> CommandBarsModel::add(std::optional<std::u16string> name,
                                                       std::int32_t position, bool menuBar,
                                                       bool temporary) {
  if (position < 0 || position > kLastPosition) {
    invalidArgument();
  }
  std::u16string chosen;
  if (name) {
    chosen = std::move(*name);
  } else {
    do {
      const std::string number = std::to_string(++customBars_);
      chosen = u"ユーザー設定 " + std::u16string(number.begin(), number.end());
    } while (find(chosen) != nullptr);
  }
  if (chosen.empty()) {
    invalidArgument();
  }
  if (find(chosen) != nullptr) {
    throw AutomationError(vbErrorCode(5), kBarNameTaken);
  }
  auto bar = addBar(chosen, chosen, position, false);
  bar->menuBar = menuBar;
  bar->temporary = temporary;
  changed();
  return bar;
}

void CommandBarsModel::remove(CommandBarModel& bar) {
  requireLive(bar);
  if (bar.builtIn) {
    invalidArgument();
  }
  for (const auto& control : bar.controls) {
    control->deleted = true;
    control->bar.reset();
  }
  bar.controls.clear();
  bar.deleted = true;
  std::erase_if(bars_, [&](const auto& each) { return each.get() == &bar; });
  changed();
}

std::shared_ptr<CommandBarControlModel>
CommandBarsModel::addControl(CommandBarModel& bar, std::int32_t type, std::int32_t id,
                             std::u16string parameter, std::optional<std::int32_t> before,
                             bool temporary) {
  requireLive(bar);
  static constexpr std::array<std::int32_t, 5> types = {kControlButton, 2, 3, 4, kControlPopup};
  if (std::find(types.begin(), types.end(), type) == types.end() || id < 1) {
    invalidArgument();
  }
  const auto size = static_cast<std::int32_t>(bar.controls.size());
  const std::int32_t at = before.value_or(size + 1);
  if (at < 1 || at > size + 1) {
    invalidArgument();
  }
  auto control = std::make_shared<CommandBarControlModel>();
  control->type = type;
  control->id = id;
  control->parameter = std::move(parameter);
  control->temporary = temporary;
  control->bar = bar.shared_from_this();
  bar.controls.insert(bar.controls.begin() + (at - 1), control);
  changed();
  return control;
}

void CommandBarsModel::removeControl(CommandBarControlModel& control) {
  requireLive(control);
  if (auto bar = control.bar.lock()) {
    std::erase_if(bar->controls, [&](const auto& each) { return each.get() == &control; });
  }
  control.deleted = true;
  control.bar.reset();
  changed();
}

std::int32_t CommandBarsModel::indexOf(const CommandBarControlModel& control) const {
  requireLive(control);
  auto bar = control.bar.lock();
  const auto it = std::find_if(bar->controls.begin(), bar->controls.end(),
                               [&](const auto& each) { return each.get() == &control; });
  return static_cast<std::int32_t>(it - bar->controls.begin()) + 1;
}

void CommandBarsModel::requireLive(const CommandBarModel& bar) {
  if (bar.deleted) {
    throw AutomationError(E_FAIL, kObjectDeleted);
  }
}

void CommandBarsModel::requireLive(const CommandBarControlModel& control) {
  if (control.deleted || control.bar.expired()) {
    throw AutomationError(E_FAIL, kObjectDeleted);
  }
}

void CommandBarsModel::changed() const {
  if (listener_) {
    listener_();
  }
}

} // namespace velmora::sim::vbide
