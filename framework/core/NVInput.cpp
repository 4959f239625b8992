#include "framework/core/NVInput.h"

#include <atomic>
#include <mutex>

#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/core/NVTargetHooks.h"
#include "framework/core/NVThreadMessages.h"
#include "framework/core/NVStageBase.h"

namespace {

// Samples taken by every frame loop, the main one and modal ones.
std::atomic<unsigned> gInputSamples{0};

constexpr std::uint32_t kDoubleClickMs = 300;

bool buttonDown(const NVSystemState& system, NVPointerButton button) {
  return (system.keyState[virtualKeyOf(button)] & 0x80) != 0;
}

void takePendingInput(NVEngine* engine) {
  NVUserState& current = engine->currentInput;
  NVUserState& pending = engine->pendingInput;
  // An input-method commit alone carries no key: the last key pressed must
  // not be seen again with it.
  current.keyCode = pending.keyDown || pending.keyUp ? pending.keyCode : 0;
  current.keyDown = pending.keyDown;
  current.keyUp = pending.keyUp;
  current.imeResult = pending.imeResult;
  current.wheel = pending.wheel;
  pending.keyDown = pending.keyUp = pending.imeResult = false;
  pending.wheel = 0;
  current.targetType = NVTargetType::None;
  current.stage = nullptr;
  current.item2D = nullptr;
  current.item3D = nullptr;
  current.widget = nullptr;
  current.doubleClick = false;
}

// The button held since last frame goes up when the window thread saw its
// release (at the release's own time), or, for a press it has no record of,
// when the key states show it up. A release made where the last frame did
// not see the pointer stays held for this frame, at the release's point: the
// drag moves there first, as it would have had a frame come between the last
// motion and the release, and the release follows from that point next frame.
void releaseIfUp(NVEngine* engine, std::uint32_t now, POINT& cursor) {
  NVSystemState& system = engine->systemState;
  const NVUserState& previous = engine->previousInput;
  const NVPointerButton held = previous.button;
  if (held == NVPointerButton::None) return;
  std::uint32_t releaseTime = now;
  if (const NVButtonPress* press = system.presses.held()) {
    if (!press->released) return;
    if (press->releasePlaced && (press->releaseX != previous.screenX || press->releaseY != previous.screenY)) {
      cursor = POINT{press->releaseX, press->releaseY};
      return;
    }
    releaseTime = press->releaseTime;
    system.presses.dropOldest();
  } else if (buttonDown(system, held)) {
    return;
  }
  engine->currentInput.button = NVPointerButton::None;
  ReleaseCapture();
  system.lastReleasedButton = held;
  system.lastReleaseTime = releaseTime;
}

// A press this frame: the double-click test and the double-click memory use
// the press's own time, so that two quick clicks are a double click however
// late the frames see them.
void press(NVEngine* engine, NVStageBase* under, const NVButtonPress& seen) {
  NVSystemState& system = engine->systemState;
  NVUserState& current = engine->currentInput;
  const NVPointerButton b = seen.button;
  if (b == system.lastReleasedButton && seen.time - system.lastReleaseTime <= kDoubleClickMs &&
      system.lastReleaseTime - system.lastPressTime <= kDoubleClickMs) {
    current.doubleClick = true;
    system.lastReleasedButton = NVPointerButton::None;
  }
  current.button = b;
  SetCapture(under->hwnd);
  system.lastPressTime = system.lastReleaseTime = current.doubleClick ? 0 : seen.time;
}

// Takes the oldest press the window thread saw, at the point where it
// happened; presses over no window of this engine (any more) are dropped.
// Returns the stage pressed, or null when no press waits.
NVStageBase* takePress(NVEngine* engine, POINT& cursor) {
  NVPressQueue& presses = engine->systemState.presses;
  while (const NVButtonPress* seen = presses.waiting()) {
    const POINT at = {seen->x, seen->y};
    NVStageBase* under = engine->stageForWindow(WindowFromPoint(at));
    if (!under) {
      presses.dropOldest();
      continue;
    }
    presses.take();
    cursor = at;
    press(engine, under, *seen);
    return under;
  }
  return nullptr;
}

void locateTarget(NVEngine* engine, NVStageBase* target, POINT cursor) {
  NVUserState& current = engine->currentInput;
  const NVUserState& previous = engine->previousInput;
  const NVTargetHooks& hooks = targetHooks();
  current.stage = target;
  POINT client = cursor;
  ScreenToClient(target->hwnd, &client);
  current.clientX = current.localX = client.x;
  current.clientY = current.localY = client.y;
  if (target->stageKind != NVStageKind::Scene2D) {
    current.targetType = NVTargetType::Stage;
    current.widget = target->widget;
    return;
  }
  current.targetType = NVTargetType::Item2D;
  if (current.button != NVPointerButton::None && previous.button != NVPointerButton::None)
    current.item2D = previous.item2D;
  else
    current.item2D = hooks.item2DAt ? hooks.item2DAt(target, current.clientX, current.clientY) : nullptr;
  if (!current.item2D) return;
  if (hooks.item2DLocal)
    hooks.item2DLocal(current.item2D, current.clientX, current.clientY, current.localX, current.localY);
  current.widget = hooks.item2DWidget ? hooks.item2DWidget(current.item2D) : nullptr;
}

}  // namespace

bool sampleInput(NVEngine* engine) {
  std::lock_guard lock(engineLock);
  engine->previousInput = engine->currentInput;
  POINT cursor = {0, 0};
  GetCursorPos(&cursor);
  takePendingInput(engine);
  NVStageBase* under = nullptr;
  if (engine->previousInput.button != NVPointerButton::None)
    releaseIfUp(engine, timeGetTime(), cursor);
  else
    under = takePress(engine, cursor);
  engine->currentInput.screenX = cursor.x;
  engine->currentInput.screenY = cursor.y;
  if (!under) under = engine->stageForWindow(WindowFromPoint(cursor));
  // A drag keeps the stage of its press; a press goes to the stage it was
  // made on, wherever the pointer was last frame.
  const bool dragging =
      engine->currentInput.button != NVPointerButton::None && engine->previousInput.button != NVPointerButton::None;
  NVStageBase* target = dragging ? engine->previousInput.stage : under;
  // A drag's stage may have lost its window since the press.
  if (target && !engine->hasWindow(target)) target = nullptr;
  if (target) locateTarget(engine, target, cursor);
  ++gInputSamples;
  return true;
}

unsigned inputSampleCount() { return gInputSamples.load(); }

namespace {

// An event built from an input record; the keyboard and focus kinds are then
// addressed to a focus target instead of the pointer target.
NVEventState fromRecord(NVEventKind kind, const NVUserState& record) {
  NVEventState event;
  event.kind = kind;
  event.targetType = record.item2D ? NVTargetType::Item2D : record.item3D ? NVTargetType::Item3D : NVTargetType::Stage;
  event.stage = record.stage;
  event.item2D = record.item2D;
  event.item3D = record.item3D;
  event.widget = record.widget;
  event.screenX = record.screenX, event.screenY = record.screenY;
  event.clientX = record.clientX, event.clientY = record.clientY;
  event.localX = record.localX, event.localY = record.localY;
  event.wheel = record.wheel;
  event.keyCode = record.keyCode;
  event.flag = record.doubleClick;
  return event;
}

struct FocusTarget {
  NVStageBase* stage;
  NV2DItemBase* item2D;
  NV3DItemBase* item3D;
  NVWidget* widget;
  bool sameAs(const FocusTarget& o) const { return stage == o.stage && item2D == o.item2D && item3D == o.item3D; }
};

FocusTarget focusOf(const NVUserState& record) {
  return {record.focusStage, record.focusItem2D, record.focusItem3D, record.focusWidget};
}

void setFocus(NVUserState& record, const FocusTarget& target) {
  record.focusStage = target.stage;
  record.focusItem2D = target.item2D;
  record.focusItem3D = target.item3D;
  record.focusWidget = target.widget;
}

void pushAddressed(NVEngine* engine, NVEventKind kind, const NVUserState& record, const FocusTarget& to) {
  NVEventState event = fromRecord(kind, record);
  event.stage = to.stage;
  event.item2D = to.item2D;
  event.item3D = to.item3D;
  event.widget = to.widget;
  engine->pushEvent(event);
}

NVEventKind kindFor(NVPointerButton button, NVEventKind left, NVEventKind middle, NVEventKind right) {
  return button == NVPointerButton::Left ? left : button == NVPointerButton::Middle ? middle : right;
}

void keyboardEvents(NVEngine* engine, const NVUserState& current) {
  // A commit of the input method alone is delivered as a key press.
  if (!current.keyDown && !current.keyUp && !current.imeResult) return;
  const NVEventKind kind = current.keyDown || !current.keyUp ? NV_EV_KEYDOWN : NV_EV_KEYUP;
  pushAddressed(engine, kind, current, focusOf(current));
}

// A press this frame: focus follows the pointer, then the press events.
void pressEvents(NVEngine* engine, NVUserState& current, const NVUserState& previous) {
  setFocus(current, {current.stage, current.item2D, current.item3D, current.widget});
  if (current.focusStage != previous.focusStage && current.focusStage)
    engine->postToWindowThread(NVM_FOCUS, reinterpret_cast<LPARAM>(current.focusStage));
  engine->pushEvent(fromRecord(kindFor(current.button, NV_EV_LDOWN, NV_EV_MDOWN, NV_EV_RDOWN), current));
  if (current.doubleClick)
    engine->pushEvent(fromRecord(kindFor(current.button, NV_EV_LDOUBLE, NV_EV_MDOUBLE, NV_EV_RDOUBLE), current));
}

// Pointer events; false when the rest of the step waits for a later frame.
bool pointerEvents(NVEngine* engine, NVUserState& current, const NVUserState& previous) {
  const bool moved = current.screenX != previous.screenX || current.screenY != previous.screenY;
  if (current.button != NVPointerButton::None && previous.button != NVPointerButton::None) {
    if (moved) engine->pushEvent(fromRecord(NV_EV_MOVE, current));
    return true;
  }
  if (current.stage != previous.stage || current.item2D != previous.item2D || current.item3D != previous.item3D) {
    engine->pushEvent(fromRecord(NV_EV_ENTER, current));
    engine->pushEvent(fromRecord(NV_EV_LEAVE, previous));
    if (current.stage && current.stage->created)
      engine->postToWindowThread(NVM_CURSOR, reinterpret_cast<LPARAM>(current.stage));
  }
  if (previous.button != NVPointerButton::None) {
    engine->pushEvent(fromRecord(kindFor(previous.button, NV_EV_LUP, NV_EV_MUP, NV_EV_RUP), previous));
    return false;
  }
  if (!current.stage) return false;
  if (moved) engine->pushEvent(fromRecord(NV_EV_MOVE, current));
  if (current.button != NVPointerButton::None) pressEvents(engine, current, previous);
  if (current.wheel != 0) engine->pushEvent(fromRecord(NV_EV_WHEEL, current));
  return true;
}

void focusEvents(NVEngine* engine, NVUserState& current, const NVUserState& previous) {
  if (!focusOf(current).sameAs(focusOf(previous))) {
    pushAddressed(engine, NV_EV_BLUR, current, focusOf(previous));
    pushAddressed(engine, NV_EV_FOCUS, current, focusOf(current));
  }
  for (const NVFocusRequest& request : engine->takeFocusRequests()) {
    const FocusTarget wanted{request.stage, request.item2D, request.item3D, request.widget};
    if (wanted.sameAs(focusOf(current))) continue;
    pushAddressed(engine, NV_EV_BLUR, current, focusOf(current));
    setFocus(current, wanted);
    pushAddressed(engine, NV_EV_FOCUS, current, wanted);
  }
  NVStageBase* focus = current.focusStage;
  if (focus && focus != previous.focusStage && focus->hwnd && GetActiveWindow() != focus->hwnd)
    SetActiveWindow(focus->hwnd);
}

}  // namespace

bool generateInputEvents(NVEngine* engine) {
  NVUserState current, previous;
  {
    std::lock_guard lock(engineLock);
    current = engine->currentInput;
    previous = engine->previousInput;
  }
  keyboardEvents(engine, current);
  if (pointerEvents(engine, current, previous)) focusEvents(engine, current, previous);
  std::lock_guard lock(engineLock);
  setFocus(engine->currentInput, focusOf(current));
  return true;
}
