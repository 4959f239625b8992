// PNG and JPEG files written with libpng and libjpeg themselves, for the
// layouts the toolkit does not write, and the surgery the loader tests make
// on them (a claimed size, an inserted chunk or segment).
#pragma once

#include <png.h>

#include <cstdint>
#include <vector>

// Rows of raw samples as libpng takes them.
std::vector<uint8_t> encodePng(int w, int h, int colorType, int bitDepth, const std::vector<std::vector<uint8_t>>& rows,
                               const std::vector<png_color>& palette = {}, int interlace = PNG_INTERLACE_NONE,
                               int level = -1);

// `pixels` holds w x h samples of `components` (1 grey, 3 RGB) bytes, rows
// top to bottom.
std::vector<uint8_t> encodeJpeg(int w, int h, int components, const std::vector<uint8_t>& pixels, int quality,
                                bool progressive = false);

// The PNG with its header's size rewritten, with a matching checksum.
std::vector<uint8_t> withClaimedPngSize(std::vector<uint8_t> png, uint32_t w, uint32_t h);
// The PNG with a chunk (type and data, checksummed) inserted at byte `at`,
// which must be a chunk boundary.
std::vector<uint8_t> withPngChunk(const std::vector<uint8_t>& png, size_t at, const char* type,
                                  const std::vector<uint8_t>& data);
// Offset of the first chunk of the given type, or 0.
size_t pngChunkOffset(const std::vector<uint8_t>& png, const char* type);

// The JPEG with its frame header's size rewritten.
std::vector<uint8_t> withClaimedJpegSize(std::vector<uint8_t> jpeg, uint16_t w, uint16_t h);
// Offset of the first marker 0xFF `marker`, or 0.
size_t jpegMarkerOffset(const std::vector<uint8_t>& jpeg, uint8_t marker);

// A deterministic picture with smooth shading, edges and grain, like a
// photograph: `components` bytes a pixel (3 RGB, 1 grey).
std::vector<uint8_t> photoLikePixels(int w, int h, int components);
