// 32-bit B, G, R, A pictures to and from PNG files, for reference pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hosttext {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // B, G, R, A, top-down, no padding
};

bool writePng(const std::string& path, const Picture& picture);
bool readPng(const std::string& path, Picture& picture);

}  // namespace hosttext
