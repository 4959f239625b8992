// BMP reading and writing: uncompressed bottom-up files with a 40-byte
// information header, 1, 4, 8, 24 or 32 bits per pixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class dv_Image;

// Decodes into `out` (an empty image); returns a dv_Image load result.
int dv_DecodeBmp(const uint8_t* data, size_t size, dv_Image& out);
bool dv_EncodeBmp(const dv_Image& image, const std::string& path, bool withAlpha);
