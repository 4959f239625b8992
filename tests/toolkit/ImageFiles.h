// Small helpers for the image file tests: temporary paths, whole-file
// reading, and a plain BMP writer built straight from the file layout.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::string tempPath(const std::string& name) { return testing::TempDir() + name; }

inline std::vector<uint8_t> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}

inline void put32(std::vector<uint8_t>& b, uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}

struct BmpSpec {
  int32_t width = 1;
  int32_t height = 1;
  uint16_t bits = 24;
  std::vector<uint8_t> palette;  // blue, green, red, spare per entry
  std::vector<uint8_t> pixels;   // rows as stored, bottom row first, padded
  int64_t offset = -1;           // -1: right after the palette
};

inline std::vector<uint8_t> buildBmp(const BmpSpec& spec) {
  const uint32_t offset =
      spec.offset >= 0 ? static_cast<uint32_t>(spec.offset) : 54 + static_cast<uint32_t>(spec.palette.size());
  std::vector<uint8_t> b = {'B', 'M'};
  put32(b, offset + static_cast<uint32_t>(spec.pixels.size()));
  put32(b, 0);
  put32(b, offset);
  put32(b, 40);
  put32(b, static_cast<uint32_t>(spec.width));
  put32(b, static_cast<uint32_t>(spec.height));
  put16(b, 1);
  put16(b, spec.bits);
  for (int i = 0; i < 6; ++i) put32(b, 0);
  b.insert(b.end(), spec.palette.begin(), spec.palette.end());
  while (b.size() < offset) b.push_back(0);
  b.insert(b.end(), spec.pixels.begin(), spec.pixels.end());
  return b;
}
