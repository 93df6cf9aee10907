#include "engine/declare_command.hpp"

#include "engine/bas_select_dialog.hpp"
#include "engine/blink_word.hpp"
#include "engine/comment_suffix.hpp"
#include "engine/decl_kind.hpp"
#include "engine/dim_insert_line.hpp"
#include "engine/kata_dialog.hpp"
#include "engine/messages.hpp"
#include "engine/word_under_caret.hpp"
#include "support/error.hpp"
#include "support/text.hpp"

#include <exception>
#include <optional>

namespace velmora {

namespace {

constexpr char16_t kAskVariant[] = u"登録されていない接頭文字です、Variant型として宣言しますか？";
constexpr char16_t kNoProcedure[] = u"ｶｰｿﾙ下のﾌﾟﾛｼｰｼﾞｬが判断できません";
constexpr char16_t kNoStdModule[] = u"ﾌﾟﾛｼﾞｪｸﾄ内に標準ﾓｼﾞｭｰﾙが見つかりません";
constexpr char16_t kFailed[] = u"処理に失敗しました(";
constexpr std::u16string_view kTypeCharacters = u"$%&@";
constexpr std::int32_t kStdModuleType = 1;

MessageResult say(DeclareContext& context, std::u16string text, std::optional<std::u16string> title,
                  MessageButtons buttons = MessageButtons::Ok) {
  return context.forms.show(Message{std::move(text), buttons, MessageIcon::None, std::move(title)});
}

// The type clause of the declaration: empty or " As " + type; nothing when the command ends.
std::optional<std::u16string> chooseTypeClause(DeclareContext& context,
                                               const std::u16string& word) {
  // A name with a type-declaration character carries its type already; "As" would not compile.
  if (kTypeCharacters.find(word.back()) != std::u16string_view::npos) {
    return std::u16string();
  }
  if (const PrefixEntry* entry = context.prefixes.find(word)) {
    return u" As " + entry->Kata;
  }
  if (Options::isOn(context.options.intNon)) {
    KataDialog::show(context.forms, context.state);
    const std::u16string& chosen = context.state.ChosenType;
    if (trimSpaces(chosen) == kCancelType) {
      return std::nullopt;
    }
    return isBlank(chosen) ? std::u16string() : u" As " + chosen;
  }
  if (say(context, kAskVariant, kVelmoraTitle, MessageButtons::YesNo) == MessageResult::Yes) {
    return std::u16string();
  }
  return std::nullopt;
}

bool declareDim(DeclareContext& context, const WordUnderCaret& at, const std::u16string& body) {
  auto module = at.pane->codeModule();
  ProcKind kind = ProcKind::Procedure;
  const std::u16string procedure = module->procOfLine(at.line, kind);
  if (procedure.empty()) {
    say(context, kNoProcedure, kVelmoraTitle);
    return false;
  }
  const std::int32_t line = FindDimInsertLine(*module, procedure, kind);
  const std::u16string suffix = AskCommentSuffix(context);
  module->insertLines(line, std::u16string(1, kTab) + u"Dim " + body + suffix);
  return true;
}

bool declareInStdModule(DeclareContext& context, const std::u16string& body) {
  EngineState& state = context.state;
  state.clearStdModules();
  auto components = context.objVBE->activeVBProject()->vbComponents();
  const std::int32_t count = components->count();
  for (std::int32_t i = 1; i <= count; ++i) {
    auto component = components->item(i);
    if (component->type() == kStdModuleType) {
      state.StdModuleIndexes.push_back(i);
      state.StdModuleNames.push_back(component->name());
      ++state.StdModuleCount;
    }
  }
  std::int32_t target = 0;
  if (state.StdModuleCount == 0) {
    say(context, kNoStdModule, std::nullopt);
    state.clearStdModules();
    return false;
  }
  if (state.StdModuleCount == 1) {
    target = state.StdModuleIndexes[0];
  } else {
    BasSelectDialog::show(context.forms, state);
    const std::int16_t selected = state.SelectedStdModule;
    if (selected < 0 || selected >= state.StdModuleCount) {
      state.clearStdModules();
      return false;
    }
    target = state.StdModuleIndexes[static_cast<std::size_t>(selected)];
  }
  auto module = components->item(target)->codeModule();
  const std::u16string suffix = AskCommentSuffix(context);
  module->addFromString(u"Public " + body + suffix);
  state.clearStdModules();
  return true;
}

void declare(DeclareContext& context, std::u16string_view kind) {
  const auto at = takeWordUnderCaret(context);
  if (!at) {
    return;
  }
  const auto typeClause = chooseTypeClause(context, at->word);
  if (!typeClause) {
    return;
  }
  const std::u16string body = at->word + *typeClause;
  bool written = false;
  if (kind == kDeclDim) {
    written = declareDim(context, *at, body);
  } else if (kind == kDeclPrivate || kind == kDeclPublic) {
    const std::u16string suffix = AskCommentSuffix(context);
    at->pane->codeModule()->addFromString(std::u16string(kind) + u" " + body + suffix);
    written = true;
  } else if (kind == kDeclBas) {
    written = declareInStdModule(context, body);
  }
  if (written) {
    BlinkWord(context);
  }
}

} // namespace

void DoDeclare(DeclareContext& context, std::u16string_view kind) {
  try {
    declare(context, kind);
  } catch (const std::exception& failure) {
    say(context, kFailed + describeFailure(failure) + u")", kVelmoraTitle);
  }
}

} // namespace velmora
