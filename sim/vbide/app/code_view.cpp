#include "sim/vbide/app/code_view.hpp"

#include "forms/handle_cast.hpp"
#include "sim/ide/line_insertion_listener.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "sim/ide/memory_code_pane.hpp"

#include <algorithm>
#include <commctrl.h>
#include <string>

namespace velmora::sim::vbide {

// Notes that the shown module was edited.
class CodeView::Edits final : public LineInsertionListener {
public:
  void linesInserted(std::int32_t /*line*/, std::int32_t /*count*/) override { edited = true; }
  bool edited = true;
};

namespace {

std::u16string numbered(const std::vector<std::u16string>& lines) {
  std::u16string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string number = std::to_string(i + 1);
    text.append(number.size() < 4 ? 4 - number.size() : 0, u' ');
    text.append(number.begin(), number.end());
    text += u"  ";
    text += lines[i];
    text += u"\r\n";
  }
  return text;
}

const wchar_t* wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

} // namespace

CodeView::CodeView(HWND parent, std::shared_ptr<MemoryVbe> vbe) : vbe_(std::move(vbe)) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  text_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                              ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                          0, 0, 0, 0, parent, nullptr, instance, nullptr);
  status_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 0, 0, 0,
                            0, parent, nullptr, instance, nullptr);
  // A fixed-pitch font with Japanese glyphs and room below the base line, where underscores
  // (line continuations!) are drawn.
  font_ =
      CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"MS Gothic");
  SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SendMessageW(status_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  SetWindowSubclass(text_, &CodeView::typing, 1, reinterpret_cast<DWORD_PTR>(this));
}

CodeView::~CodeView() {
  RemoveWindowSubclass(text_, &CodeView::typing, 1);
  DestroyWindow(text_);
  DestroyWindow(status_);
  if (font_ != nullptr) {
    DeleteObject(font_);
  }
}

LRESULT CALLBACK CodeView::typing(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR /*id*/, DWORD_PTR view) {
  if (message == WM_CHAR) {
    win32::fromInteger<CodeView*>(view)->typed(static_cast<char16_t>(wParam));
    return 0;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void CodeView::typed(char16_t character) {
  const auto& pane = vbe_->windows().active();
  if (!pane || (character < u' ' && character != u'\r' && character != u'\t')) {
    return;
  }
  const std::shared_ptr<MemoryCodeModule>& module = pane->module();
  const Selection caret = pane->getSelection();
  if (caret.startLine < 1 || caret.startLine > module->countOfLines()) {
    return;
  }
  std::u16string text = module->lines(caret.startLine, 1);
  const auto at = static_cast<std::size_t>(
      std::clamp<std::int32_t>(caret.startColumn, 1, static_cast<std::int32_t>(text.size()) + 1) -
      1);
  if (character == u'\r') {
    module->replaceLine(caret.startLine, text.substr(0, at));
    module->insertLines(caret.startLine + 1, text.substr(at));
    pane->setCaret(caret.startLine + 1, 1);
  } else {
    text.insert(at, 1, character);
    module->replaceLine(caret.startLine, std::move(text));
    pane->setCaret(caret.startLine, static_cast<std::int32_t>(at) + 2);
  }
  if (edits_) {
    edits_->edited = true;
  }
}

void CodeView::place(int left, int top, int width, int height) {
  constexpr int kStatusHeight = 18;
  MoveWindow(text_, left, top, width, height > kStatusHeight ? height - kStatusHeight : 0, TRUE);
  MoveWindow(status_, left + 2, top + height - kStatusHeight, width - 2, kStatusHeight, TRUE);
}

void CodeView::showModule(const std::shared_ptr<MemoryCodeModule>& module) {
  edits_ = std::make_shared<Edits>();
  if (module) {
    module->subscribe(edits_);
  }
}

void CodeView::refresh() {
  const auto& pane = vbe_->windows().active();
  if (pane != shownPane_) {
    shownPane_ = pane;
    showModule(pane ? pane->module() : nullptr);
    shownSelection_ = Selection{0, 0, 0, 0};
  }
  if (edits_ && edits_->edited) {
    edits_->edited = false;
    SetWindowTextW(text_, pane ? wide(numbered(pane->module()->lineTexts())) : L"");
  }
  const Selection selection = pane ? pane->getSelection() : Selection{0, 0, 0, 0};
  if (selection != shownSelection_) {
    shownSelection_ = selection;
    std::u16string status;
    if (pane) {
      for (const auto& component : vbe_->project().components().all()) {
        if (component->module() == pane->module()) {
          status = component->componentName();
        }
      }
      const auto number = [](std::int32_t value) {
        const std::string text = std::to_string(value);
        return std::u16string(text.begin(), text.end());
      };
      status += u"  行 " + number(selection.startLine) + u", 列 " + number(selection.startColumn);
      if (selection.endLine != selection.startLine ||
          selection.endColumn != selection.startColumn) {
        status += u" - 行 " + number(selection.endLine) + u", 列 " + number(selection.endColumn);
      }
    }
    SetWindowTextW(status_, wide(status));
  }
}

} // namespace velmora::sim::vbide
