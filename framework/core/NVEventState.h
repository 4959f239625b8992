// The event record passed by value to every handler, and the event kinds.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class NVWidget;
class NVStageBase;
class NV2DItemBase;
class NV3DItemBase;

enum NVEventKind {
  NV_EV_MOVE = 0,
  NV_EV_LDOWN = 1,
  NV_EV_LUP = 2,
  NV_EV_MDOWN = 3,
  NV_EV_MUP = 4,
  NV_EV_RDOWN = 5,
  NV_EV_RUP = 6,
  NV_EV_LDOUBLE = 7,
  NV_EV_MDOUBLE = 8,
  NV_EV_RDOUBLE = 9,
  NV_EV_WHEEL = 10,
  NV_EV_KEYDOWN = 11,
  NV_EV_KEYUP = 12,
  NV_EV_ENTER = 13,
  NV_EV_LEAVE = 14,
  NV_EV_FOCUS = 15,
  NV_EV_BLUR = 16,
  NV_EV_MOVED = 17,
  NV_EV_RESIZED = 18,
  NV_EV_CLOSE = 19,
  NV_EV_CHANGED = 20,
  NV_EV_COMMAND = 21,
  // Kind 22 is never raised.
  NV_EV_DROPFILES = 23,
  NV_EV_KIND_COUNT = 24
};

// What lay under the pointer when an input record was taken. The codes are
// those of the widget host kinds (there are no 2 and 3).
enum class NVTargetType : int {
  None = 0,    // no framework window, or an event not built from input
  Stage = 1,   // a stage without items
  Item2D = 4,  // a 2D stage (in the record, with or without an item under the pointer)
  Item3D = 5,  // a 3D item
};

struct NVEventState {
  NVEventKind kind = NV_EV_MOVE;
  NVTargetType targetType = NVTargetType::None;
  NVWidget* widget = nullptr;
  NVStageBase* stage = nullptr;
  NV2DItemBase* item2D = nullptr;
  NV3DItemBase* item3D = nullptr;
  double screenX = 0, screenY = 0;
  double clientX = 0, clientY = 0;
  double localX = 0, localY = 0;
  int wheel = 0;
  std::uint8_t keyCode = 0;
  int value = 0;
  std::uint8_t flag = 0;
  // Kind 23: the dropped paths, in the order the window system gave them.
  // Each drop's list travels with its own event, so a drop made while an
  // earlier one waits in the queue never replaces it.
  std::shared_ptr<const std::vector<std::string>> files;
};
