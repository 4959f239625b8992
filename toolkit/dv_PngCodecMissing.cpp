// Stand-in for builds without libpng: PNG data is reported as a format the
// build cannot read, and nothing is written.
// FIXME: the Windows build gets libpng with its own packages; until then this
// file replaces dv_PngCodec.cpp there.
#include "toolkit/dv_Image.h"
#include "toolkit/dv_PngCodec.h"

int dv_DecodePng(const uint8_t*, size_t, dv_Image&) { return dv_Image::LoadFormatError; }

bool dv_EncodePng(const dv_Image&, const std::string&, bool) { return false; }

std::vector<std::string> dv_PngLibraryCredits() { return {}; }
