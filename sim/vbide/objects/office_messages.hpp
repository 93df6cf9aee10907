#pragma once

namespace velmora::sim::vbide {

// Descriptions of the command bars' own errors, worded as the IDE words them. Errors of the code
// objects reuse the in-memory IDE's descriptions (sim/ide/host_messages.hpp).

// A call on a command bar or control that was deleted.
inline constexpr char16_t kObjectDeleted[] = u"オブジェクトは削除されています。";
// PasteFace while the clipboard holds no picture.
inline constexpr char16_t kPasteFaceFailed[] =
    u"'_CommandBarButton' オブジェクトの 'PasteFace' メソッドが失敗しました。";
// CommandBars.Add with the name of a bar that exists.
inline constexpr char16_t kBarNameTaken[] = u"同じ名前のコマンド バーが既にあります。";

} // namespace velmora::sim::vbide
