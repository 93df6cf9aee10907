#pragma once

#include <cstdint>

namespace velmora::sim {

// Told when lines are inserted into a module, so that what points into the module (a pane's
// selection, the hidden lines of a source file) can move down with the text.
class LineInsertionListener {
public:
  virtual ~LineInsertionListener() = default;

  // `count` lines were inserted so that the first of them is now line `line`; the former
  // line `line` and all below moved down by `count`.
  virtual void linesInserted(std::int32_t line, std::int32_t count) = 0;
};

} // namespace velmora::sim
