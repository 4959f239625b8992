// Stand-in for builds without libjpeg: JPEG data cannot be read or written.
// FIXME: the Windows build gets libjpeg with its own packages; until then this
// file replaces dv_JpegCodec.cpp there.
#include "toolkit/dv_Image.h"
#include "toolkit/dv_JpegCodec.h"

bool dv_DecodeJpeg(const uint8_t*, size_t, dv_Image&) { return false; }

bool dv_EncodeJpeg(const dv_Image&, const std::string&, int) { return false; }

std::vector<std::string> dv_JpegLibraryCredits() { return {}; }
