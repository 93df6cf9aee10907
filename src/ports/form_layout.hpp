#pragma once

#include "ports/bitmap.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// The layout of a form as data: what a toolkit needs to build its window and controls.
// Positions are in twips (1/1440 inch) relative to the client area of the form, or of the
// frame named in `parent`.

enum class ControlKind {
  Label,
  Button,
  CheckBox,
  TextBox,
  ListBox,
  ComboBox,
  ListView,
  PictureBox,
  Timer,
  Frame
};

enum class ComboStyle { DropDownCombo, SimpleCombo, DropDownList };

// Input-method mode of a text box: 0 no control, 1 on, 2 off.
enum class ImeMode : int { NoControl = 0, On = 1, Off = 2 };

struct TwipRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

struct FontSpec {
  std::u16string name;
  double points = 9.0;
  bool bold = false;
  bool italic = false;
};

struct ColumnSpec {
  std::string key;
  std::u16string header;
};

struct ControlSpec {
  std::string name;
  int index = -1; // element of a control array; -1 for a plain control
  ControlKind kind = ControlKind::Label;
  std::u16string caption;
  TwipRect place;
  int tabIndex = -1;      // position in the keyboard order; -1 when the control takes no focus
  bool isDefault = false; // pressed by Enter
  bool isCancel = false;  // pressed by Esc
  bool visible = true;
  bool enabled = true;
  std::optional<FontSpec> font;
  std::optional<std::uint32_t> foreColour; // 0xRRGGBB
  ComboStyle comboStyle = ComboStyle::DropDownCombo;
  ImeMode imeMode = ImeMode::NoControl;
  std::vector<std::u16string> items; // initial list entries (list and combo boxes)
  std::vector<ColumnSpec> columns;   // report list view
  std::optional<Bitmap> picture;     // picture box
  std::int32_t interval = 0;         // timer, in milliseconds
  std::string parent;                // name of the frame holding the control, empty for the form
  bool wordWrap = false;             // label or check box text over several lines
};

struct FormSpec {
  std::string name;
  std::u16string caption;
  std::int32_t clientWidth = 0;  // twips
  std::int32_t clientHeight = 0; // twips
  bool fixedDialog = true;       // fixed frame, no minimise or maximise box
  bool closeBox = true;
  bool showInTaskbar = false;
  bool centred = true;
  std::optional<Bitmap> icon; // 32 x 32; the toolkit scales it for the small icon
  std::vector<ControlSpec> controls;
};

} // namespace velmora
