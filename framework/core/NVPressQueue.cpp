#include "framework/core/NVPressQueue.h"

void NVPressQueue::pressed(NVPointerButton button, std::uint32_t time, int x, int y) {
  NVButtonPress press;
  press.button = button;
  press.time = time;
  press.x = x;
  press.y = y;
  presses_.push_back(press);
  if (presses_.size() <= kLimit) return;
  // The held press stays: its release is what the frame waits for.
  auto oldest = presses_.begin();
  if (oldest->taken) ++oldest;
  presses_.erase(oldest);
}

void NVPressQueue::released(NVPointerButton button, std::uint32_t time, int x, int y) {
  for (NVButtonPress& press : presses_) {
    if (press.button != button || press.released) continue;
    press.released = true;
    press.releaseTime = time;
    press.releasePlaced = true;
    press.releaseX = x;
    press.releaseY = y;
    return;
  }
}

void NVPressQueue::releaseWhereUp(const std::uint8_t* keyState, std::uint32_t now) {
  for (NVButtonPress& press : presses_) {
    if (press.released || (keyState[virtualKeyOf(press.button)] & 0x80) != 0) continue;
    press.released = true;
    press.releaseTime = now;
  }
}

const NVButtonPress* NVPressQueue::held() const {
  return !presses_.empty() && presses_.front().taken ? &presses_.front() : nullptr;
}

const NVButtonPress* NVPressQueue::waiting() const {
  return !presses_.empty() && !presses_.front().taken ? &presses_.front() : nullptr;
}

void NVPressQueue::take() {
  if (!presses_.empty()) presses_.front().taken = true;
}

void NVPressQueue::dropOldest() {
  if (!presses_.empty()) presses_.pop_front();
}
