#include "sim/vbide/app/toolbar_strip.hpp"

#include "forms/handle_cast.hpp"

#include <commctrl.h>
#include <string>

namespace velmora::sim::vbide {

namespace {

constexpr int kRowHeight = 26;
constexpr int kButtonHeight = 24;
constexpr int kPadding = 4;
constexpr int kFaceSize = 16;
constexpr int kGroupGap = 8;
// msoButtonIcon: the face only.
constexpr std::int32_t kStyleIconOnly = 1;

const wchar_t* wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

bool showsCaption(const CommandBarControlModel& control) {
  return !(control.style == kStyleIconOnly && control.face);
}

int textWidth(HWND window, HFONT font, const std::u16string& text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, wide(text), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size.cx;
}

} // namespace

ToolbarStrip::ToolbarStrip(HWND parent, std::shared_ptr<CommandBarsModel> model)
    : parent_(parent), model_(std::move(model)),
      font_(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {}

ToolbarStrip::~ToolbarStrip() {
  clear();
}

void ToolbarStrip::clear() {
  for (const Button& button : buttons_) {
    DestroyWindow(button.window);
  }
  buttons_.clear();
  if (tooltip_ != nullptr) {
    DestroyWindow(tooltip_);
    tooltip_ = nullptr;
  }
}

bool ToolbarStrip::refresh() {
  if (!dirty_) {
    return false;
  }
  dirty_ = false;
  clear();
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent_,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  int top = 0;
  for (const auto& bar : model_->bars()) {
    if (bar->builtIn || !bar->visible || bar->controls.empty()) {
      continue;
    }
    int left = kPadding;
    for (const auto& control : bar->controls) {
      if (!control->visible) {
        continue;
      }
      if (control->beginGroup) {
        left += kGroupGap;
      }
      int width = 2 * kPadding;
      if (control->face) {
        width += kFaceSize;
      }
      if (showsCaption(*control)) {
        width += (control->face ? kPadding : 0) + textWidth(parent_, font_, control->caption);
      }
      const int id = kFirstButtonId + static_cast<int>(buttons_.size());
      HWND window =
          CreateWindowExW(0, L"BUTTON", wide(control->caption),
                          WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_OWNERDRAW |
                              (control->enabled ? 0 : WS_DISABLED),
                          left, top + 1, width, kButtonHeight, parent_,
                          win32::fromInteger<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
      if (window == nullptr) {
        continue;
      }
      buttons_.push_back({window, control});
      if (tooltip_ != nullptr) {
        const std::u16string& tip =
            control->tooltipText.empty() ? control->caption : control->tooltipText;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = parent_;
        tool.uId = reinterpret_cast<UINT_PTR>(window);
        tool.lpszText = const_cast<wchar_t*>(wide(tip));
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
      }
      left += width + 1;
    }
    top += kRowHeight;
  }
  height_ = top;
  return true;
}

std::shared_ptr<CommandBarControlModel> ToolbarStrip::controlOf(int id) const {
  const int index = id - kFirstButtonId;
  if (index < 0 || index >= static_cast<int>(buttons_.size())) {
    return nullptr;
  }
  auto control = buttons_[static_cast<std::size_t>(index)].control.lock();
  return control && !control->deleted ? control : nullptr;
}

std::shared_ptr<CommandBarControlModel>
ToolbarStrip::findByCaption(const std::u16string& caption) const {
  for (const auto& bar : model_->bars()) {
    if (!bar->visible) {
      continue;
    }
    for (const auto& control : bar->controls) {
      if (control->caption == caption) {
        return control;
      }
    }
  }
  return nullptr;
}

bool ToolbarStrip::draw(const DRAWITEMSTRUCT& item) const {
  const auto control = controlOf(static_cast<int>(item.CtlID));
  if (item.CtlType != ODT_BUTTON || !control) {
    return false;
  }
  RECT area = item.rcItem;
  FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawEdge(item.hDC, &area, pressed ? EDGE_SUNKEN : BDR_RAISEDINNER, BF_RECT);
  int left = area.left + kPadding + (pressed ? 1 : 0);
  const int shift = pressed ? 1 : 0;
  if (control->face) {
    control->face->draw(item.hDC, left, area.top + (kButtonHeight - kFaceSize) / 2 + shift);
    left += kFaceSize + kPadding;
  }
  if (showsCaption(*control)) {
    HGDIOBJ old = SelectObject(item.hDC, font_);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(control->enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    RECT text{left, area.top + shift, area.right, area.bottom + shift};
    DrawTextW(item.hDC, wide(control->caption), static_cast<int>(control->caption.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    SelectObject(item.hDC, old);
  }
  return true;
}

} // namespace velmora::sim::vbide
