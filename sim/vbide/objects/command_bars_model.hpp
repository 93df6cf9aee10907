#pragma once

#include "sim/vbide/objects/click_target.hpp"
#include "sim/vbide/objects/face_image.hpp"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sim::vbide {

class CommandBarModel;

// Office's control types and bar positions that the IDE takes.
inline constexpr std::int32_t kControlButton = 1;
inline constexpr std::int32_t kControlPopup = 10;
inline constexpr std::int32_t kBarTop = 1;
inline constexpr std::int32_t kBarPopup = 5;

// One control of a command bar.
struct CommandBarControlModel {
  std::int32_t type = kControlButton;
  std::int32_t id = 1;
  std::u16string caption;
  std::u16string tooltipText;
  std::u16string parameter;
  std::u16string tag;
  bool beginGroup = false;
  bool visible = true;
  bool enabled = true;
  bool temporary = false;
  std::int32_t faceId = 0;
  std::int32_t style = 0; // msoButtonAutomatic
  std::shared_ptr<const FaceImage> face;
  std::weak_ptr<CommandBarModel> bar; // expired or reset once deleted
  bool deleted = false;
  // The event sources bound to this control (CommandBarEvents objects register themselves).
  std::vector<ClickTarget*> clickTargets;
};

// One command bar: built in (a bar of the IDE, its English Name and its Japanese NameLocal) or
// added by an add-in (Name and NameLocal alike).
class CommandBarModel : public std::enable_shared_from_this<CommandBarModel> {
public:
  std::u16string name;
  std::u16string nameLocal;
  std::int32_t position = kBarTop;
  bool visible = true;
  bool builtIn = false;
  bool menuBar = false;
  bool temporary = false;
  bool deleted = false;
  std::vector<std::shared_ptr<CommandBarControlModel>> controls;
};

// The IDE's command bars. Every change through the objects is announced to the listener, so the
// IDE's window can draw the bars anew. Failures throw AutomationError with Office's wording.
class CommandBarsModel {
public:
  // The IDE's own bars: the menu bar, 標準, 編集, デバッグ, フォーム エディタ.
  void addBuiltInBars();

  std::int32_t count() const { return static_cast<std::int32_t>(bars_.size()); }
  // The bar at a 1-based position.
  std::shared_ptr<CommandBarModel> item(std::int32_t index) const;
  // The bar whose Name or NameLocal is `name`.
  std::shared_ptr<CommandBarModel> item(std::u16string_view name) const;
  // The bar of that Name or NameLocal, or null.
  std::shared_ptr<CommandBarModel> find(std::u16string_view name) const;
  // Adds a bar at the end of the collection. An omitted name gives "ユーザー設定 n"; a name
  // that a bar already has, or a position outside 0 to 5, is refused.
  std::shared_ptr<CommandBarModel> add(std::optional<std::u16string> name, std::int32_t position,
                                       bool menuBar, bool temporary);
  // Deletes an added bar with its controls; the IDE's own bars cannot be deleted.
  void remove(CommandBarModel& bar);

  // Adds a control to `bar` before the 1-based position `before` (at the end when omitted).
  std::shared_ptr<CommandBarControlModel> addControl(CommandBarModel& bar, std::int32_t type,
                                                     std::int32_t id, std::u16string parameter,
                                                     std::optional<std::int32_t> before,
                                                     bool temporary);
  void removeControl(CommandBarControlModel& control);
  // The control's 1-based position on its bar.
  std::int32_t indexOf(const CommandBarControlModel& control) const;

  const std::vector<std::shared_ptr<CommandBarModel>>& bars() const { return bars_; }

  // Raises the Office error for a deleted bar or control.
  static void requireLive(const CommandBarModel& bar);
  static void requireLive(const CommandBarControlModel& control);

  // Runs `listener` after every change (one listener; a later call replaces it).
  void onChange(std::function<void()> listener) { listener_ = std::move(listener); }
  void changed() const;

private:
  std::shared_ptr<CommandBarModel> addBar(std::u16string name, std::u16string nameLocal,
                                          std::int32_t position, bool builtIn);

  std::vector<std::shared_ptr<CommandBarModel>> bars_;
  std::function<void()> listener_;
  int customBars_ = 0;
};

} // namespace velmora::sim::vbide
