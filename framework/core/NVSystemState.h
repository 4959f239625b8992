// The window system's side of input: key states as the window thread sees
// them, the presses it saw that no frame has finished with, the paths of
// the drop being delivered, and the double-click memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/NVGUICoreObject.h"
#include "framework/core/NVPressQueue.h"

class NVSystemState : public virtual NVGUICoreObject {
 public:
  NVSystemState() { typeName = "NVSystemState"; }

  // Bytes 0..255: virtual-key states (high bit: down); byte 256 counts
  // refreshes modulo 256.
  std::uint8_t keyState[257] = {};
  NVPressQueue presses;
  // Set by the dispatch step from each drop event, just before its handlers
  // run; each drop carries its own list.
  std::vector<std::string> droppedFiles;
  std::uint32_t lastPressTime = 0;
  std::uint32_t lastReleaseTime = 0;
  NVPointerButton lastReleasedButton = NVPointerButton::None;
};
