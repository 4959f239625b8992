// Random code page 932 bytes drawn with random DrawText flags, rectangles and
// fonts into a small buffer: nothing may be written outside it, and nothing
// may crash or hang.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/host/text/TextEngine.h"

using namespace nvhost::text;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size < 6) return 0;
  static const char* const kFaces[] = {"\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e", "Sans", ""};
  FontRequest request;
  request.faceName = kFaces[data[0] % 3];
  request.height = static_cast<std::int8_t>(data[1]) % 40;
  request.weight = data[0] & 0x80 ? 900 : 500;
  request.italic = data[0] & 0x40;
  request.underline = data[0] & 0x20;
  request.charset = 128;
  const FontRef font = createFont(request);
  if (!font) return 0;
  const unsigned flags = data[2] | (data[3] & 0x0F) << 8;
  Rect rect{static_cast<std::int8_t>(data[4]), static_cast<std::int8_t>(data[5]), 0, 0};
  rect.right = rect.left + data[4] % 64;
  rect.bottom = rect.top + data[5] % 40;
  std::vector<std::uint8_t> pixels(48 * 24 * 4, 255);
  Surface surface{pixels.data(), 48, 24, 48 * 4, {0, 0, 48, 24}, data[1] % 5, data[2] % 7};
  const std::string_view text(reinterpret_cast<const char*>(data + 6), size - 6);
  drawText(*font, text, rect, flags, DrawOptions{{1, 2, 3}, std::nullopt}, &surface);
  measureTabbedText(*font, text);
  return 0;
}
