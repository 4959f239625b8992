// A rectangle of pixels with exclusive right and bottom edges: the dirty
// rectangles, draw areas and clip rectangles of the composition path.
#pragma once

#include <algorithm>

struct NVRect {
  int left = 0, top = 0, right = 0, bottom = 0;

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  // True when the rectangle holds no pixel (also for inverted edges).
  constexpr bool isEmpty() const { return right <= left || bottom <= top; }

  // The smallest rectangle holding both, edge by edge; an empty operand is
  // not skipped, so that an inverted "nothing yet" rectangle widens cleanly.
  constexpr NVRect joined(const NVRect& o) const {
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
  }
  // The common part, edge by edge; empty when they do not meet.
  constexpr NVRect intersected(const NVRect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
  }
  // Every edge moved outward by d (inward for negative d).
  constexpr NVRect grown(int d) const { return {left - d, top - d, right + d, bottom + d}; }

  constexpr bool operator==(const NVRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  constexpr bool operator!=(const NVRect& o) const { return !(*this == o); }
};
