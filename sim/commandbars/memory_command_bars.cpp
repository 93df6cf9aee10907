#include "sim/commandbars/memory_command_bars.hpp"

#include "sim/system/sim_clipboard.hpp"
#include "support/error.hpp"

#include <algorithm>

namespace velmora::sim {

namespace {

const char16_t kInvalidIndex[] = u"インデックスが有効範囲にありません。";
const char16_t kGone[] = u"オブジェクトは削除されています。";
const char16_t kNoPicture[] = u"クリップボードに画像がありません。";

} // namespace

MemoryCommandBarControl::MemoryCommandBarControl(std::shared_ptr<CommandBarWorld> world,
                                                 MemoryCommandBar& bar, std::int32_t type)
    : world_(std::move(world)), bar_(&bar), type_(type) {}

void MemoryCommandBarControl::live(const char* call) {
  world_->calls.enter(call);
  if (bar_ == nullptr) {
    throw HostError(kGone);
  }
}

void MemoryCommandBarControl::setCaption(const std::u16string& caption) {
  live("CommandBarControl.Caption");
  caption_ = caption;
}

std::u16string MemoryCommandBarControl::caption() {
  live("CommandBarControl.Caption.get");
  return caption_;
}

void MemoryCommandBarControl::setBeginGroup(bool beginGroup) {
  live("CommandBarControl.BeginGroup");
  beginGroup_ = beginGroup;
}

void MemoryCommandBarControl::setTooltipText(const std::u16string& text) {
  live("CommandBarControl.TooltipText");
  tooltip_ = text;
}

std::u16string MemoryCommandBarControl::tooltipText() {
  live("CommandBarControl.TooltipText.get");
  return tooltip_;
}

void MemoryCommandBarControl::pasteFace() {
  live("CommandBarButton.PasteFace");
  const auto picture = world_->clipboard != nullptr ? world_->clipboard->picture() : std::nullopt;
  if (!picture) {
    throw HostError(kNoPicture);
  }
  face_ = *picture;
}

void MemoryCommandBarControl::deleteControl() {
  live("CommandBarControl.Delete");
  bar_->removeControl(*this);
}

std::int32_t MemoryCommandBarControls::count() {
  world_->calls.enter("CommandBarControls.Count");
  return static_cast<std::int32_t>(bar_.buttons().size());
}

std::shared_ptr<CommandBarControl> MemoryCommandBarControls::item(std::int32_t index) {
  world_->calls.enter("CommandBarControls.Item");
  if (index < 1 || index > static_cast<std::int32_t>(bar_.buttons().size())) {
    throw HostError(kInvalidIndex);
  }
  return bar_.buttons()[static_cast<std::size_t>(index - 1)];
}

std::shared_ptr<CommandBarControl> MemoryCommandBarControls::add(std::int32_t type) {
  world_->calls.enter("CommandBarControls.Add");
  return bar_.addControl(type);
}

MemoryCommandBar::MemoryCommandBar(std::shared_ptr<CommandBarWorld> world, MemoryCommandBars& owner,
                                   std::u16string name, std::int32_t position)
    : world_(std::move(world)), owner_(&owner), name_(std::move(name)), position_(position) {}

MemoryCommandBar::~MemoryCommandBar() {
  for (auto& control : controls_) {
    control->detach();
  }
}

std::u16string MemoryCommandBar::nameLocal() {
  world_->calls.enter("CommandBar.NameLocal");
  return name_;
}

void MemoryCommandBar::setVisible(bool visible) {
  world_->calls.enter("CommandBar.Visible");
  visible_ = visible;
}

std::shared_ptr<CommandBarControls> MemoryCommandBar::controls() {
  world_->calls.enter("CommandBar.Controls");
  if (owner_ == nullptr) {
    throw HostError(kGone);
  }
  return std::make_shared<MemoryCommandBarControls>(world_, *this);
}

void MemoryCommandBar::deleteBar() {
  world_->calls.enter("CommandBar.Delete");
  if (owner_ == nullptr) {
    throw HostError(kGone);
  }
  for (auto& control : controls_) {
    control->detach();
  }
  controls_.clear();
  auto* owner = owner_;
  owner_ = nullptr;
  owner->removeBar(*this);
}

void MemoryCommandBar::removeControl(const MemoryCommandBarControl& control) {
  auto it = std::find_if(controls_.begin(), controls_.end(),
                         [&](const auto& each) { return each.get() == &control; });
  if (it != controls_.end()) {
    (*it)->detach();
    controls_.erase(it);
  }
}

std::shared_ptr<MemoryCommandBarControl> MemoryCommandBar::addControl(std::int32_t type) {
  auto control = std::make_shared<MemoryCommandBarControl>(world_, *this, type);
  controls_.push_back(control);
  return control;
}

MemoryCommandBars::MemoryCommandBars(std::shared_ptr<CommandBarWorld> world)
    : world_(std::move(world)) {
  addBar(u"メニュー バー");
  addBar(u"標準");
  addBar(u"編集");
  addBar(u"デバッグ");
}

std::shared_ptr<MemoryCommandBar> MemoryCommandBars::addBar(const std::u16string& name,
                                                            std::int32_t position) {
  auto bar = std::make_shared<MemoryCommandBar>(world_, *this, name, position);
  bars_.push_back(bar);
  return bar;
}

std::int32_t MemoryCommandBars::count() {
  world_->calls.enter("CommandBars.Count");
  return static_cast<std::int32_t>(bars_.size());
}

std::shared_ptr<CommandBar> MemoryCommandBars::item(std::int32_t index) {
  world_->calls.enter("CommandBars.Item");
  if (index < 1 || index > static_cast<std::int32_t>(bars_.size())) {
    throw HostError(kInvalidIndex);
  }
  return bars_[static_cast<std::size_t>(index - 1)];
}

std::shared_ptr<CommandBar> MemoryCommandBars::item(const std::u16string& name) {
  world_->calls.enter("CommandBars.Item");
  for (const auto& bar : bars_) {
    if (bar->name() == name) {
      return bar;
    }
  }
  throw HostError(kInvalidIndex);
}

std::shared_ptr<CommandBar> MemoryCommandBars::add(const std::u16string& name,
                                                   std::int32_t position) {
  world_->calls.enter("CommandBars.Add");
  return addBar(name, position);
}

std::vector<std::shared_ptr<MemoryCommandBar>>
MemoryCommandBars::barsNamed(const std::u16string& name) const {
  std::vector<std::shared_ptr<MemoryCommandBar>> found;
  std::copy_if(bars_.begin(), bars_.end(), std::back_inserter(found),
               [&](const auto& bar) { return bar->name() == name; });
  return found;
}

void MemoryCommandBars::removeBar(const MemoryCommandBar& bar) {
  std::erase_if(bars_, [&](const auto& each) { return each.get() == &bar; });
}

void MemoryCommandBarEvents::click() const {
  if (handler_ && !control_->deleted()) {
    handler_();
  }
}

std::shared_ptr<CommandBarEvents> MemoryEvents::commandBarEvents(CommandBarControl& control) {
  world_->calls.enter("Events.CommandBarEvents");
  auto* memory = dynamic_cast<MemoryCommandBarControl*>(&control);
  if (memory == nullptr || memory->deleted()) {
    throw HostError(u"引数が無効です。");
  }
  auto source = std::make_shared<MemoryCommandBarEvents>(memory->shared_from_this());
  sources_.push_back(source);
  return source;
}

bool MemoryEvents::clickButton(const std::u16string& caption) const {
  for (auto it = sources_.rbegin(); it != sources_.rend(); ++it) {
    const auto& control = (*it)->control();
    if (!control->deleted() && control->currentCaption() == caption) {
      (*it)->click();
      return true;
    }
  }
  return false;
}

} // namespace velmora::sim
