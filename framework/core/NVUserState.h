// One frame's snapshot of the pointer and the keyboard: what lies under the
// pointer, where it is, which button is held, and what the window thread
// gathered from keys, wheel and input method since the last frame.
#pragma once

#include <cstdint>

#include "framework/core/NVEventState.h"
#include "framework/core/NVGUICoreObject.h"
#include "framework/core/NVPointerButton.h"

class NVStageBase;
class NV2DItemBase;
class NV3DItemBase;
class NVWidget;

class NVUserState : public virtual NVGUICoreObject {
 public:
  NVUserState() { typeName = "NVUserState"; }
  NVUserState(const NVUserState& other) = default;
  NVUserState& operator=(const NVUserState& other) = default;

  NVTargetType targetType = NVTargetType::None;  // None, Stage or Item2D
  NVStageBase* stage = nullptr;
  NV2DItemBase* item2D = nullptr;
  NV3DItemBase* item3D = nullptr;
  NVWidget* widget = nullptr;
  NVStageBase* focusStage = nullptr;
  NV2DItemBase* focusItem2D = nullptr;
  NV3DItemBase* focusItem3D = nullptr;
  NVWidget* focusWidget = nullptr;
  double screenX = -1.0, screenY = -1.0;
  double clientX = -1.0, clientY = -1.0;
  double localX = -1.0, localY = -1.0;
  int wheel = 0;
  std::uint8_t keyCode = 0;
  bool keyDown = false;
  bool keyUp = false;
  bool imeResult = false;
  NVPointerButton button = NVPointerButton::None;
  bool doubleClick = false;
};
