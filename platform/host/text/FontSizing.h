// How GDI turns a requested font height into a size and metrics, from the
// values of a face's OS/2, hhea and post tables. Pure arithmetic, so that it
// can be checked without any font installed.
#pragma once

#include "platform/host/text/TextEngine.h"

namespace nvhost::text {

// Face-wide values in font units.
struct FaceFacts {
  int unitsPerEm = 2048;
  int winAscent = 0;
  int winDescent = 0;
  int averageCharWidth = 0;
  int maxAdvance = 0;
  int underlinePosition = 0;  // negative below the baseline
  int underlineThickness = 0;
  int strikeoutPosition = 0;  // positive above the baseline
  int strikeoutThickness = 0;
};

// Decoration lines in pixels: offset below the baseline (negative above it).
struct LineDecoration {
  int offset = 0;
  int thickness = 1;
};

struct FontScale {
  int ppemX = 0;
  int ppemY = 0;
  FontMetrics metrics;
  LineDecoration underline;
  LineDecoration strikeout;
};

// The cell height a zero height stands for.
constexpr int kDefaultCellHeight = 16;

// A positive height is the cell height, ascent + descent as the OS/2 table's
// usWinAscent and usWinDescent give them: the em is sized by
// round(unitsPerEm × height / (winAscent + winDescent)) and the cell keeps the
// requested height exactly. A negative height is the em size itself. A
// nonzero width scales the em horizontally so that the average character is
// that wide. Synthetic bold adds one pixel to the widest advance.
FontScale scaleFace(const FaceFacts& facts, int height, int width, bool syntheticBold);

}  // namespace nvhost::text
