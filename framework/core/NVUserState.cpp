#include "framework/core/NVUserState.h"

// Copies every field of the record but keeps this object's own identity.
NVUserState& NVUserState::operator=(const NVUserState& other) {
  if (this == &other) return *this;
  targetType = other.targetType;
  stage = other.stage;
  item2D = other.item2D;
  item3D = other.item3D;
  widget = other.widget;
  focusStage = other.focusStage;
  focusItem2D = other.focusItem2D;
  focusItem3D = other.focusItem3D;
  focusWidget = other.focusWidget;
  screenX = other.screenX, screenY = other.screenY;
  clientX = other.clientX, clientY = other.clientY;
  localX = other.localX, localY = other.localY;
  wheel = other.wheel;
  keyCode = other.keyCode;
  keyDown = other.keyDown;
  keyUp = other.keyUp;
  imeResult = other.imeResult;
  button = other.button;
  doubleClick = other.doubleClick;
  return *this;
}
