#pragma once

#include "host/command_bar_events.hpp"
#include "host/command_bars.hpp"
#include "ports/bitmap.hpp"
#include "sim/commandbars/host_calls.hpp"

#include <memory>
#include <string>
#include <vector>

namespace velmora::sim {

class SimClipboard;
class MemoryCommandBar;

// Shared by the objects of one in-memory command-bar world.
struct CommandBarWorld {
  HostCalls calls;
  SimClipboard* clipboard = nullptr; // where PasteFace takes its picture from
};

class MemoryCommandBarControl final : public CommandBarControl,
                                      public std::enable_shared_from_this<MemoryCommandBarControl> {
public:
  MemoryCommandBarControl(std::shared_ptr<CommandBarWorld> world, MemoryCommandBar& bar,
                          std::int32_t type);

  void setCaption(const std::u16string& caption) override;
  std::u16string caption() override;
  void setBeginGroup(bool beginGroup) override;
  void setTooltipText(const std::u16string& text) override;
  std::u16string tooltipText() override;
  void pasteFace() override;
  void deleteControl() override;

  // Inspection.
  std::int32_t type() const { return type_; }
  const std::u16string& currentCaption() const { return caption_; }
  const std::u16string& currentTooltip() const { return tooltip_; }
  bool beginsGroup() const { return beginGroup_; }
  const Bitmap& face() const { return face_; }
  bool deleted() const { return bar_ == nullptr; }
  void detach() { bar_ = nullptr; }

private:
  void live(const char* call);

  std::shared_ptr<CommandBarWorld> world_;
  MemoryCommandBar* bar_;
  std::int32_t type_;
  std::u16string caption_;
  std::u16string tooltip_;
  bool beginGroup_ = false;
  Bitmap face_;
};

class MemoryCommandBarControls final : public CommandBarControls {
public:
  MemoryCommandBarControls(std::shared_ptr<CommandBarWorld> world, MemoryCommandBar& bar)
      : world_(std::move(world)), bar_(bar) {}

  std::int32_t count() override;
  std::shared_ptr<CommandBarControl> item(std::int32_t index) override;
  std::shared_ptr<CommandBarControl> add(std::int32_t type) override;

private:
  std::shared_ptr<CommandBarWorld> world_;
  MemoryCommandBar& bar_;
};

class MemoryCommandBars;

class MemoryCommandBar final : public CommandBar,
                               public std::enable_shared_from_this<MemoryCommandBar> {
public:
  MemoryCommandBar(std::shared_ptr<CommandBarWorld> world, MemoryCommandBars& owner,
                   std::u16string name, std::int32_t position);
  ~MemoryCommandBar() override;
  MemoryCommandBar(const MemoryCommandBar&) = delete;
  MemoryCommandBar& operator=(const MemoryCommandBar&) = delete;

  std::u16string nameLocal() override;
  void setVisible(bool visible) override;
  std::shared_ptr<CommandBarControls> controls() override;
  void deleteBar() override;

  // Inspection and the host's own use.
  const std::u16string& name() const { return name_; }
  std::int32_t position() const { return position_; }
  bool isVisible() const { return visible_; }
  std::vector<std::shared_ptr<MemoryCommandBarControl>>& buttons() { return controls_; }
  void removeControl(const MemoryCommandBarControl& control);
  std::shared_ptr<MemoryCommandBarControl> addControl(std::int32_t type);

private:
  std::shared_ptr<CommandBarWorld> world_;
  MemoryCommandBars* owner_;
  std::u16string name_;
  std::int32_t position_;
  bool visible_ = false;
  std::vector<std::shared_ptr<MemoryCommandBarControl>> controls_;
};

// The IDE's command bars: a few built-in bars, then whatever add-ins add.
class MemoryCommandBars final : public CommandBars {
public:
  explicit MemoryCommandBars(std::shared_ptr<CommandBarWorld> world);

  std::int32_t count() override;
  std::shared_ptr<CommandBar> item(std::int32_t index) override;
  std::shared_ptr<CommandBar> item(const std::u16string& name) override;
  std::shared_ptr<CommandBar> add(const std::u16string& name, std::int32_t position) override;

  // Inspection and the host's own use.
  std::shared_ptr<MemoryCommandBar> addBar(const std::u16string& name, std::int32_t position = 1);
  std::vector<std::shared_ptr<MemoryCommandBar>> barsNamed(const std::u16string& name) const;
  const std::vector<std::shared_ptr<MemoryCommandBar>>& bars() const { return bars_; }
  void removeBar(const MemoryCommandBar& bar);

private:
  std::shared_ptr<CommandBarWorld> world_;
  std::vector<std::shared_ptr<MemoryCommandBar>> bars_;
};

// The event source of one button; a test clicks the button through it.
class MemoryCommandBarEvents final : public CommandBarEvents {
public:
  explicit MemoryCommandBarEvents(std::shared_ptr<MemoryCommandBarControl> control)
      : control_(std::move(control)) {}

  void advise(ClickHandler onClick) override { handler_ = std::move(onClick); }
  void unadvise() override { handler_ = nullptr; }

  bool advised() const { return static_cast<bool>(handler_); }
  const std::shared_ptr<MemoryCommandBarControl>& control() const { return control_; }
  // The user clicks the button: the handler runs when one is advised and the button exists.
  void click() const;

private:
  std::shared_ptr<MemoryCommandBarControl> control_;
  ClickHandler handler_;
};

class MemoryEvents final : public Events {
public:
  explicit MemoryEvents(std::shared_ptr<CommandBarWorld> world) : world_(std::move(world)) {}

  std::shared_ptr<CommandBarEvents> commandBarEvents(CommandBarControl& control) override;

  // Every event source handed out, in order.
  const std::vector<std::shared_ptr<MemoryCommandBarEvents>>& sources() const { return sources_; }
  // Clicks the live button with that caption (the last one made); false when there is none.
  bool clickButton(const std::u16string& caption) const;

private:
  std::shared_ptr<CommandBarWorld> world_;
  std::vector<std::shared_ptr<MemoryCommandBarEvents>> sources_;
};

} // namespace velmora::sim
