#pragma once

namespace velmora::sim {

// The descriptions the in-memory IDE raises its errors with, worded as the IDE words them.

// A line number outside the module (or a component position outside the collection).
inline constexpr char16_t kSubscriptOutOfRange[] = u"インデックスが有効範囲にありません。";
// An argument the operation cannot take (a negative count).
inline constexpr char16_t kInvalidCallOrArgument[] =
    u"プロシージャの呼び出し、または引数が不正です。";
// A procedure name (or name and kind) that the module does not define.
inline constexpr char16_t kProcedureNotDefined[] = u"Sub または Function が定義されていません。";
// Command bars or their events asked for while none are plugged into the in-memory IDE.
inline constexpr char16_t kNoCommandBars[] = u"コマンド バーはこの IDE では使用できません。";

} // namespace velmora::sim
