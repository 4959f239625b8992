// The window system's side of input: key states as the window thread sees
// them, the paths of the last file drop, and the double-click memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/NVGUICoreObject.h"

class NVSystemState : public virtual NVGUICoreObject {
 public:
  NVSystemState() { typeName = "NVSystemState"; }

  // Bytes 0..255: virtual-key states (high bit: down); byte 256 counts
  // refreshes modulo 256.
  std::uint8_t keyState[257] = {};
  std::vector<std::string> droppedFiles;
  std::uint32_t lastPressTime = 0;
  std::uint32_t lastReleaseTime = 0;
  std::uint8_t lastReleasedButton = 0;
};
