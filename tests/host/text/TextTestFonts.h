// Fonts and code page 932 strings shared by the text engine's suites. The
// strings are spelled in UTF-8 and converted, so that the sources stay
// readable; the framework hands the engine code page 932 bytes.
#pragma once

#include <string>

#include "platform/host/text/TextEngine.h"
#include "tests/support/Cp932Text.h"

namespace hosttext {

// The framework's fonts: face, height, weight 500 (900 bold), Shift-JIS.
inline nvhost::text::FontRef frameworkFont(const char* faceUtf8, int height, bool bold = false, bool italic = false) {
  nvhost::text::FontRequest request;
  request.height = height;
  request.weight = bold ? 900 : 500;
  request.italic = italic;
  request.charset = 128;
  request.faceName = sjis(faceUtf8);
  return nvhost::text::createFont(request);
}

inline nvhost::text::FontRef defaultFont() { return frameworkFont("ＭＳ Ｐゴシック", 12); }

}  // namespace hosttext
