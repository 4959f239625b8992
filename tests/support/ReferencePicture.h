// Pictures compared with the reference PNGs under tests/ref/: the one check
// every picture test uses. A missing reference fails unless the run asks for
// references (BRISEL_WRITE_REFS=1), which writes it; a mismatch saves the
// picture as NAME_err.png and a difference image as NAME_diff.png beside the
// reference for a person to look at.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace refpic {

// 0xAARRGGBB words (B, G, R, A bytes in memory), top row first.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> words;
};

// How far a picture may stray: a pixel differs when one of its channels
// moves by more than `channel`; at most `pixels` pixels may differ.
struct Tolerance {
  int channel = 0;
  int pixels = 0;
};

// NAME is the reference's path under tests/ref/ without ".png", for example
// "framework/widgets/buttonFace_80x24".
::testing::AssertionResult matchesReference(const std::string& name, const Picture& picture, Tolerance tolerance = {});

// For pictures with text: exact with the rasteriser the references were made
// with ("FreeType 2.13.2"); with another, up to 1 % of the pixels may move by
// a hinting difference.
Tolerance forText(const Picture& picture, const std::string& rasterizer);

bool readPng(const std::string& path, Picture& picture);
bool writePng(const std::string& path, const Picture& picture);

}  // namespace refpic
