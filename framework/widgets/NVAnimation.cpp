#include "framework/widgets/NVAnimation.h"

#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

#include "framework/core/NVEngineLock.h"
#include "platform/win32.h"

namespace {

// The active animations in start order; changed only under the engine lock.
std::vector<NVAnimation*>& activeList() {
  static std::vector<NVAnimation*> list;
  return list;
}

// The passes of runAnimations walk the live list by index while callbacks
// may start, stop or delete animations. Each pass registers the index of the
// next entry it will visit, and a removal before that index moves it back,
// so that no entry is skipped or visited twice. Passes nest when a callback
// runs a nested frame loop.
std::vector<std::size_t*>& passCursors() {
  static std::vector<std::size_t*> cursors;
  return cursors;
}

std::function<unsigned int()>& clockOverride() {
  static std::function<unsigned int()> clock;
  return clock;
}

unsigned int now() { return clockOverride() ? clockOverride()() : static_cast<unsigned int>(timeGetTime()); }

bool alwaysFalse(NVAnimeData) { return false; }

void removeFromList(NVAnimation* animation) {
  std::vector<NVAnimation*>& list = activeList();
  auto it = std::find(list.begin(), list.end(), animation);
  if (it == list.end()) return;
  const std::size_t index = static_cast<std::size_t>(it - list.begin());
  list.erase(it);
  for (std::size_t* cursor : passCursors())
    if (index < *cursor) --*cursor;
}

// Registers a pass's cursor for as long as the pass runs.
class PassCursor {
 public:
  PassCursor() { passCursors().push_back(&next); }
  ~PassCursor() { passCursors().erase(std::find(passCursors().begin(), passCursors().end(), &next)); }
  PassCursor(const PassCursor&) = delete;
  PassCursor& operator=(const PassCursor&) = delete;

  // The next entry, or null at the end of the list.
  NVAnimation* advance() { return next < activeList().size() ? activeList()[next++] : nullptr; }
  // Whether the entry returned last is still where it was: false once a
  // callback has removed or deleted it.
  bool stillListed(const NVAnimation* animation) const {
    return next > 0 && next - 1 < activeList().size() && activeList()[next - 1] == animation;
  }

  std::size_t next = 0;
};

// Calls a copy of the callback, so that a callback that replaces itself or
// deletes its animation does not destroy the function while it runs.
bool call(const NVAnimeCallback& callback, const NVAnimeData& data) {
  NVAnimeCallback copy = callback;
  return copy ? copy(data) : false;
}

void resetRun(NVAnimation* a) {
  a->data.progress = 0.0;
  a->data.frameCount = 0;
  a->data.elapsed = 0;
}

}  // namespace

NVAnimation::NVAnimation() : onStart(alwaysFalse), onEnd(alwaysFalse), onUpdate(alwaysFalse) {
  typeName = "NVAnimation";
  data.animation = this;
}

NVAnimation::~NVAnimation() {
  std::lock_guard hold(engineLock);
  removeFromList(this);
}

void NVAnimation::start() {
  if (running) return;
  resetRun(this);
  finished = stopped = false;
  data.animation = this;
  {
    std::lock_guard hold(engineLock);
    activeList().push_back(this);
    running = true;
    finished = stopped = false;
  }
  startTime = now();
  call(onStart, data);
}

void NVAnimation::stop() {
  if (!running) return;
  finished = stopped = true;
  repeat = false;
}

bool NVAnimation::update() {
  data.frameCount += 1;
  unsigned int elapsed = now() - startTime;
  // A zero duration is over at once rather than dividing by zero.
  data.progress = duration == 0 ? 1.0 : static_cast<double>(elapsed) / duration;
  if (elapsed > duration) {
    elapsed = duration;
    data.progress = 1.0;
  }
  data.elapsed = static_cast<int>(elapsed);
  return finished || elapsed >= duration;
}

namespace {

void advanceAll() {
  PassCursor pass;
  while (NVAnimation* a = pass.advance()) {
    if (!a->running) continue;
    if (a->update()) a->finished = true;
    if (a->finished) {
      call(a->onEnd, a->data);
      continue;
    }
    const bool done = call(a->onUpdate, a->data);
    if (done && pass.stillListed(a)) {
      a->finished = true;
      call(a->onEnd, a->data);
    }
  }
}

void restartOrDrop() {
  PassCursor pass;
  while (NVAnimation* a = pass.advance()) {
    if (!a->finished) continue;
    std::unique_lock hold(engineLock);
    resetRun(a);
    if (!a->stopped && a->repeat) {
      a->running = true;
      a->finished = false;
      hold.unlock();
      a->startTime = now();
      call(a->onStart, a->data);
    } else {
      a->running = a->finished = a->stopped = false;
      removeFromList(a);
    }
  }
}

}  // namespace

void runAnimations() {
  advanceAll();
  restartOrDrop();
}

void setAnimationClock(std::function<unsigned int()> clock) { clockOverride() = std::move(clock); }

int activeAnimationCount() { return static_cast<int>(activeList().size()); }
