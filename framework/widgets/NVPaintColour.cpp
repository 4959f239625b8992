#include "framework/widgets/NVPaintColour.h"

#include "framework/widgets/NVTheme.h"

NVPaintColour themeRgb(const char* name) {
  const std::uint32_t c = getThemeColor(NVString(name));
  return {static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c & 0xFF)};
}

bool preparePaint(NVImage* image, int width, int height) {
  if (image == nullptr || width < 1 || height < 1) return false;
  image->resize(width, height);
  return image->isValid() && image->getPixels() != nullptr;
}
