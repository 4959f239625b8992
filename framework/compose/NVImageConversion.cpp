#include "framework/compose/NVImageConversion.h"

#include <cstdint>

#include "framework/compose/NVImage.h"
#include "toolkit/dv_Image.h"

bool convertToToolkitImage(const NVImage* source, dv_Image* target) {
  if (!source || !target || !source->isValid() || source->getWidth() < 1 || source->getHeight() < 1) return false;
  const int w = source->getWidth(), h = source->getHeight();
  // Zero-filled, so that the buffer beyond the image, which linear filtering
  // reads at the edges, is the same transparent black every time.
  if ((target->getWidth() != w || target->getHeight() != h) && !target->reset(w, h, true)) return false;
  const auto* from = reinterpret_cast<const std::uint8_t*>(source->getPixels());
  std::uint8_t* to = target->getBuffer();
  const size_t bufferRow = static_cast<size_t>(target->getBufferWidth()) * 4;
  for (int r = 0; r < h; ++r) {
    const std::uint8_t* s = from + static_cast<size_t>(r) * w * 4;
    std::uint8_t* d = to + static_cast<size_t>(h - 1 - r) * bufferRow;
    for (int i = 0; i < w; ++i, s += 4, d += 4) {
      d[0] = s[2];
      d[1] = s[1];
      d[2] = s[0];
      d[3] = s[3];
    }
  }
  target->markAllUpdated();
  return true;
}

bool convertToFrameworkImage(dv_Image* source, NVImage* target) {
  if (!source || !target || source->isEmpty()) return false;
  const int w = source->getWidth(), h = source->getHeight();
  if (!target->isValid() || target->getWidth() != w || target->getHeight() != h) target->resize(w, h);
  if (!target->isValid()) return false;
  const std::uint8_t* from = source->getBuffer();
  auto* to = reinterpret_cast<std::uint8_t*>(target->getPixels());
  const size_t bufferRow = static_cast<size_t>(source->getBufferWidth()) * 4;
  for (int r = 0; r < h; ++r) {
    const std::uint8_t* s = from + static_cast<size_t>(h - 1 - r) * bufferRow;
    std::uint8_t* d = to + static_cast<size_t>(r) * w * 4;
    for (int i = 0; i < w; ++i, s += 4, d += 4) {
      d[0] = s[2];
      d[1] = s[1];
      d[2] = s[0];
      d[3] = s[3];
    }
  }
  source->markAllUpdated();
  return true;
}
