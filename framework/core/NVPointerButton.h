// The pointer buttons as input records and presses store them: the bits of
// the mouse-key mask, left 1, middle 2, right 4, and 0 for none.
#pragma once

#include <cstdint>

enum class NVPointerButton : std::uint8_t { None = 0, Left = 1, Middle = 2, Right = 4 };

// The virtual key under which the key states hold a button
// (VK_LBUTTON, VK_MBUTTON, VK_RBUTTON); 0 for none.
constexpr int virtualKeyOf(NVPointerButton button) {
  switch (button) {
    case NVPointerButton::Left: return 0x01;
    case NVPointerButton::Middle: return 0x04;
    case NVPointerButton::Right: return 0x02;
    case NVPointerButton::None: break;
  }
  return 0;
}
