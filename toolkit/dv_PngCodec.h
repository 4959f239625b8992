// PNG reading (8-bit RGB, RGBA, greyscale, palette and 1-bit greyscale) and
// writing (8-bit RGB or RGBA).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class dv_Image;

// Decodes into `out` (an empty image); returns a dv_Image load result.
int dv_DecodePng(const uint8_t* data, size_t size, dv_Image& out);
bool dv_EncodePng(const dv_Image& image, const std::string& path, bool withAlpha);
// The libraries PNG files go through (libpng, zlib), one credit line each;
// none in a build without them.
std::vector<std::string> dv_PngLibraryCredits();
