#include "platform/host/text/FontSizing.h"

#include <algorithm>
#include <cmath>

namespace nvhost::text {

namespace {

int scaled(int units, double scale) { return static_cast<int>(std::lround(units * scale)); }

LineDecoration decoration(int position, int thickness, double scale, bool belowBaseline) {
  LineDecoration line;
  line.thickness = std::max(1, scaled(thickness, scale));
  line.offset = belowBaseline ? std::max(1, scaled(-position, scale)) : -std::max(1, scaled(position, scale));
  return line;
}

}  // namespace

FontScale scaleFace(const FaceFacts& facts, int height, int width, bool syntheticBold) {
  FontScale out;
  const int upem = std::max(1, facts.unitsPerEm);
  int winAscent = facts.winAscent;
  int winDescent = facts.winDescent;
  if (winAscent + winDescent <= 0) winAscent = upem, winDescent = 0;
  const int cellUnits = winAscent + winDescent;
  if (height == 0) height = kDefaultCellHeight;
  FontMetrics& m = out.metrics;
  if (height > 0) {
    out.ppemY = std::max(1, static_cast<int>(std::lround(static_cast<double>(upem) * height / cellUnits)));
    m.ascent = static_cast<int>(std::lround(static_cast<double>(winAscent) * height / cellUnits));
    m.descent = height - m.ascent;
  } else {
    out.ppemY = std::max(1, -height);
    const double scale = static_cast<double>(out.ppemY) / upem;
    m.ascent = scaled(winAscent, scale);
    m.descent = scaled(winDescent, scale);
  }
  m.height = m.ascent + m.descent;
  m.internalLeading = std::max(0, m.height - out.ppemY);
  const double scaleY = static_cast<double>(out.ppemY) / upem;
  const int naturalAverage = std::max(1, scaled(facts.averageCharWidth, scaleY));
  out.ppemX = width > 0
                  ? std::max(1, static_cast<int>(std::lround(static_cast<double>(out.ppemY) * width / naturalAverage)))
                  : out.ppemY;
  const double scaleX = static_cast<double>(out.ppemX) / upem;
  m.averageCharWidth = width > 0 ? width : naturalAverage;
  m.maxCharWidth = scaled(facts.maxAdvance, scaleX) + (syntheticBold ? 1 : 0);
  out.underline = decoration(facts.underlinePosition, facts.underlineThickness, scaleY, true);
  // Small sizes round the line below the cell, where the next line's text
  // would paint over it; keep it inside.
  out.underline.thickness = std::min(out.underline.thickness, std::max(1, m.descent));
  out.underline.offset = std::max(0, std::min(out.underline.offset, m.descent - out.underline.thickness));
  out.strikeout = decoration(facts.strikeoutPosition, facts.strikeoutThickness, scaleY, false);
  return out;
}

}  // namespace nvhost::text
