// The record a 2D item fills before it asks a blitter to draw one of its
// images: everything the blitters read from the item, the image and the
// target, and nothing else.
#pragma once

#include <cstdint>

#include "framework/compose/blit/NVPixelTarget.h"
#include "framework/core/NVRect.h"

// A 2x3 affine matrix: x' = xx*x + xy*y + tx, y' = yx*x + yy*y + ty.
struct NVBlitMatrix {
  double xx = 1.0, xy = 0.0, tx = 0.0;
  double yx = 0.0, yy = 1.0, ty = 0.0;
};

// An ancestor whose clipChildren flag is set: its rectangle limits where the
// item may draw.
struct NVBlitClipAncestor {
  NVBlitMatrix matrix;  // the ancestor's cumulative matrix
  int absX = 0, absY = 0;
  int width = 0, height = 0;
};

struct NVBlitParams {
  // Target buffer (its layout is informational: the member decides).
  NVPixelTarget target;
  // Clip rectangle in target pixels, right and bottom edges exclusive.
  NVRect clip;

  // Source image in the B, G, R, A format, rows of sourceWidth pixels.
  const std::uint32_t* source = nullptr;
  int sourceWidth = 0, sourceHeight = 0;
  int offsetX = 0, offsetY = 0;  // the source's top-left pixel in item coordinates

  // The item.
  int itemWidth = 0, itemHeight = 0;
  int alpha = 255;    // effective alpha through the parent chain, 0..255
  int blendMode = 0;  // an NVBlendMode; anything else draws as normal
  int filter = 0;     // an NVSampleFilter (informational: the member decides)
  int absX = 0, absY = 0;
  NVBlitMatrix matrix;  // cumulative matrix

  // Clipping ancestors (read by the clipped members only).
  const NVBlitClipAncestor* ancestors = nullptr;
  int ancestorCount = 0;
};
