// The button presses the window thread saw, in order, until a frame has
// taken each one and seen it released. A press and release that both
// arrive between two frames are still seen by a frame: the press as held
// for one frame, the release in a later one. Used under engineLock.
#pragma once

#include <cstdint>
#include <deque>

#include "framework/core/NVPointerButton.h"

struct NVButtonPress {
  NVPointerButton button = NVPointerButton::None;
  std::uint32_t time = 0;  // message time of the press
  int x = 0, y = 0;        // screen point of the press
  bool taken = false;      // a frame holds it as its button
  bool released = false;
  std::uint32_t releaseTime = 0;
  bool releasePlaced = false;  // the release's screen point is known
  int releaseX = 0, releaseY = 0;
};

class NVPressQueue {
 public:
  // More presses than this waiting for frames means no frame loop runs; the
  // oldest waiting one is forgotten.
  static constexpr std::size_t kLimit = 64;

  // Window thread: a button went down or up (the message's time and point).
  void pressed(NVPointerButton button, std::uint32_t time, int x, int y);
  void released(NVPointerButton button, std::uint32_t time, int x, int y);
  // Window thread, with every queued message handled: a press whose button
  // the key states show up was released where this thread did not see it.
  void releaseWhereUp(const std::uint8_t* keyState, std::uint32_t now);

  // Main thread: the press a frame holds (the oldest one, taken), or null.
  const NVButtonPress* held() const;
  // The oldest press no frame has taken yet, or null; `take` marks it held.
  const NVButtonPress* waiting() const;
  void take();
  // Forgets the oldest press (released, or one that found no window).
  void dropOldest();

  std::size_t size() const { return presses_.size(); }
  void clear() { presses_.clear(); }

 private:
  std::deque<NVButtonPress> presses_;
};
