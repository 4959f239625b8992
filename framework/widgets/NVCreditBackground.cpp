#include "framework/widgets/NVCreditBackground.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "framework/compose/NVImage.h"

namespace {

constexpr int kStrokes = 7;
constexpr int kUnit = 1024;  // positions in the stroke's frame, in 1/1024 pixel

// How far (in 1/1024 pixel) a position lies outside [low, high], turned into
// a coverage factor of 1024 inside falling to 0 one pixel outside.
int coverage(double value, double low, double high) {
  const auto v = static_cast<std::int64_t>(value * kUnit);
  const auto lo = static_cast<std::int64_t>(low * kUnit), hi = static_cast<std::int64_t>(high * kUnit);
  const std::int64_t outside = v < lo ? lo - v : v > hi ? v - hi : 0;
  return static_cast<int>(std::max<std::int64_t>(kUnit - outside, 0));
}

int channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

}  // namespace

void drawThickLine(NVImage* image, NVPaintColour colour, int alpha, double x0, double y0, double x1, double y1,
                   double width) {
  if (!image || !image->isValid()) return;
  if (x1 < x0) std::swap(x0, x1), std::swap(y0, y1);
  const double length = std::hypot(x1 - x0, y1 - y0);
  // A stroke without length has no direction; draw it as a square dot.
  const double cosA = length > 0 ? (x1 - x0) / length : 1.0, sinA = length > 0 ? (y1 - y0) / length : 0.0;
  const double halfWidth = std::clamp(width / 2, 0.5, 50.0), halfLength = length / 2;
  const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const double extentX = std::abs(cosA) * halfLength + std::abs(sinA) * halfWidth + 2;
  const double extentY = std::abs(sinA) * halfLength + std::abs(cosA) * halfWidth + 2;
  const int left = std::max(0, static_cast<int>(std::floor(cx - extentX)));
  const int right = std::min(image->getWidth() - 1, static_cast<int>(std::ceil(cx + extentX)));
  const int top = std::max(0, static_cast<int>(std::floor(cy - extentY)));
  const int bottom = std::min(image->getHeight() - 1, static_cast<int>(std::ceil(cy + extentY)));
  std::uint32_t* pixels = image->getPixels();
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      const double lx = cx + cosA * (x - cx) + sinA * (y - cy);
      const double ly = cy - sinA * (x - cx) + cosA * (y - cy);
      const std::int64_t along = coverage(lx, cx - halfLength, cx + halfLength);
      const std::int64_t across = coverage(ly, cy - halfWidth, cy + halfWidth);
      const int weight = static_cast<int>(alpha * along * across / (std::int64_t{kUnit} * kUnit));
      if (weight == 0) continue;
      const std::uint32_t old = pixels[static_cast<std::size_t>(y) * image->getWidth() + x];
      image->setRGB(x, y, (colour.r * weight + channel(old, 16) * (256 - weight)) >> 8,
                    (colour.g * weight + channel(old, 8) * (256 - weight)) >> 8,
                    (colour.b * weight + channel(old, 0) * (256 - weight)) >> 8);
    }
  }
}

void paintCreditBackground(NVImage* image) {
  if (!image || !image->isValid()) return;
  const NVPaintColour main0 = themeRgb("main0");
  const int w = image->getWidth(), h = image->getHeight();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int t = 220 * (x + y) / 900;
      image->setRGBA(x, y, (main0.r * t + 255 * (1024 - t)) >> 10, (main0.g * t + 255 * (1024 - t)) >> 10,
                     (main0.b * t + 255 * (1024 - t)) >> 10, 255);
    }
  }
  for (int k = 0; k < kStrokes; ++k)
    drawThickLine(image, main0, 32 + 1920 * k / 400, 505, 60 * k - 5, 455 - 60 * k, 405, 3 + 300 * k / 400);
}
