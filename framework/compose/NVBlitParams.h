// The record a 2D item fills before it asks a blitter to draw one of its
// images: everything the blitters read from the item, the image and the
// target, and nothing else.
#pragma once

#include <cstdint>

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

// Target layouts: 1 is top-down B, G, R, A; 2 is bottom-up R, G, B, A.
enum : int { NV_LAYOUT_BGRA = 1, NV_LAYOUT_RGBA = 2 };

struct NVBlitParams {
  // Target buffer: at least (targetHeight - 1) * stride + targetWidth words.
  std::uint32_t* target = nullptr;
  int targetWidth = 0, targetHeight = 0;
  int stride = 0;  // row length in pixels
  // Clip rectangle in target pixels, right and bottom edges exclusive.
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;

  // Source image in the B, G, R, A format, rows of sourceWidth pixels.
  const std::uint32_t* source = nullptr;
  int sourceWidth = 0, sourceHeight = 0;
  int offsetX = 0, offsetY = 0;  // the source's top-left pixel in item coordinates

  // The item.
  int itemWidth = 0, itemHeight = 0;
  int alpha = 255;    // effective alpha through the parent chain, 0..255
  int blendMode = 0;  // 0..8; anything else draws as 0
  int filter = 0;     // 0 nearest, 1 bilinear (informational: the member decides)
  int absX = 0, absY = 0;
  NVBlitMatrix matrix;  // cumulative matrix

  // Clipping ancestors (read by the clipped members only).
  const NVBlitClipAncestor* ancestors = nullptr;
  int ancestorCount = 0;
};
