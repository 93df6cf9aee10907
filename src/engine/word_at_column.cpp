#include "engine/word_at_column.hpp"

#include <algorithm>

namespace velmora {

namespace {

constexpr char16_t kMarker = u'#';

} // namespace

WordAtColumn GetWordAtColumn(const WordDelimiters& delimiters, std::u16string_view lineText,
                             std::int32_t column) {
  WordAtColumn result;
  // Every delimiter becomes the marker, and the marker bounds the line, so that the character
  // at column k stands at position k + 1 (1-based) of the work string.
  std::u16string work;
  work.reserve(lineText.size() + 2);
  work.push_back(kMarker);
  for (char16_t c : lineText) {
    work.push_back(delimiters.characters.find(c) == std::u16string::npos ? c : kMarker);
  }
  work.push_back(kMarker);
  const auto size = static_cast<std::int64_t>(work.size());
  if (column < 1) {
    return result;
  }
  const auto isMarkerAt = [&](std::int64_t position) {
    return position >= 1 && position <= size &&
           work[static_cast<std::size_t>(position - 1)] == kMarker;
  };
  const std::int64_t caret = column;
  // Right after the end of a word, that word is taken.
  const std::int64_t anchor = isMarkerAt(caret + 1) && !isMarkerAt(caret) ? caret : caret + 1;
  if (anchor > size || caret + 1 > size) {
    return result;
  }
  std::int64_t start = anchor;
  while (start >= 1 && !isMarkerAt(start)) {
    --start;
  }
  std::int64_t end = caret + 1;
  while (end <= size && !isMarkerAt(end)) {
    ++end;
  }
  result.startColumn = static_cast<std::int32_t>(start);
  result.length = static_cast<std::int32_t>(end - start - 1);
  if (result.length > 0) {
    result.word =
        work.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(result.length));
  }
  return result;
}

} // namespace velmora
