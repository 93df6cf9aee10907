#pragma once

#include "engine/word_delimiters.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

inline constexpr char16_t kCancelType[] = u"###CANCEL###";

// The declaration engine's own values, living for the whole connection. The dialogs hand
// their answers back through them.
struct EngineState {
  WordDelimiters Delimiters;
  std::u16string ChosenType;                  // the type dialog's answer, or kCancelType
  std::u16string CommentText;                 // the comment dialog's answer; then the suffix
  std::vector<std::int32_t> StdModuleIndexes; // 1-based component positions of the modules
  std::vector<std::u16string> StdModuleNames; // their names, in the same order
  std::int16_t StdModuleCount = 0;
  std::int16_t SelectedStdModule = -1; // 0-based index into the lists, -1 on cancel

  void clearStdModules() {
    StdModuleIndexes.clear();
    StdModuleNames.clear();
    StdModuleCount = 0;
  }
};

} // namespace velmora
