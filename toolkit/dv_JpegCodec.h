// JPEG reading (any colour space the decoder can turn into RGB) and writing
// (three-component RGB).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class dv_Image;

// Decodes into `out` (an empty image); false for a damaged, cut or oversized
// stream.
bool dv_DecodeJpeg(const uint8_t* data, size_t size, dv_Image& out);
bool dv_EncodeJpeg(const dv_Image& image, const std::string& path, int quality);
// The JPEG library, as a credit line; none in a build without it.
std::vector<std::string> dv_JpegLibraryCredits();
