// How a 2D item's pixels meet what is under them, with the numbers items
// store in their blendMode field.
#pragma once

enum class NVBlendMode : int {
  Normal = 0,
  Inverted = 1,  // the inverted source
  Multiply = 2,
  Screen = 3,
  Darken = 4,
  Lighten = 5,
  Overlay = 6,
  ColourDodge = 7,
  ColourBurn = 8,
};
constexpr int kNVBlendModeCount = 9;

// A stored mode as the blitters use it: anything unknown draws as normal.
constexpr NVBlendMode nvBlendModeOf(int stored) {
  return stored >= 0 && stored < kNVBlendModeCount ? NVBlendMode(stored) : NVBlendMode::Normal;
}
