// How the blitters read a source pixel, with the numbers items store in
// their filter field.
#pragma once

enum class NVSampleFilter : int {
  Nearest = 0,
  Bilinear = 1,
};

constexpr bool nvIsSampleFilter(int stored) {
  return stored == int(NVSampleFilter::Nearest) || stored == int(NVSampleFilter::Bilinear);
}
