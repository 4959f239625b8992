// Colour arithmetic shared by the painters: theme colours as three signed
// channels, so that sums and mixes may leave 0..255 until they are written.
#pragma once

#include <cstdint>

#include "framework/compose/NVImage.h"

struct NVPaintColour {
  int r = 0, g = 0, b = 0;
};

// The red, green and blue of a theme colour.
NVPaintColour themeRgb(const char* name);

inline NVPaintColour operator+(NVPaintColour a, NVPaintColour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline NVPaintColour operator*(int k, NVPaintColour c) { return {k * c.r, k * c.g, k * c.b}; }
// Integer division of every channel, truncating toward zero.
inline NVPaintColour operator/(NVPaintColour c, int d) { return {c.r / d, c.g / d, c.b / d}; }
inline NVPaintColour addAll(NVPaintColour c, int k) { return {c.r + k, c.g + k, c.b + k}; }

// Prepares an image for a painter: false (nothing to do) for a missing image,
// a size below 1 or a bitmap that could not be made; otherwise the image has
// the requested size.
bool preparePaint(NVImage* image, int width, int height);

// Writes through the image's clamping setters.
inline void putRGB(NVImage* image, int x, int y, NVPaintColour c) { image->setRGB(x, y, c.r, c.g, c.b); }
inline void putRGBA(NVImage* image, int x, int y, NVPaintColour c, int a) { image->setRGBA(x, y, c.r, c.g, c.b, a); }
