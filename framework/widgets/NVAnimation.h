// Time-based animations driven by the frame cycle. A started animation
// measures the time since its start against its duration and reports its
// linear progress every frame until it ends; it may repeat.
#pragma once

#include <functional>

#include "framework/core/NVGUICoreObject.h"
#include "framework/widgets/NVAnimeData.h"

using NVAnimeCallback = std::function<bool(NVAnimeData)>;

class NVAnimation : public virtual NVGUICoreObject {
 public:
  NVAnimation();
  ~NVAnimation() override;
  NVAnimation(const NVAnimation&) = delete;
  NVAnimation& operator=(const NVAnimation&) = delete;

  // Begins a run; a running animation is not restarted.
  void start();
  // Ends the current run at the next frame step, without a repeat.
  void stop();
  void setOnStart(NVAnimeCallback callback) { onStart = std::move(callback); }
  void setOnUpdate(NVAnimeCallback callback) { onUpdate = std::move(callback); }
  void setOnEnd(NVAnimeCallback callback) { onEnd = std::move(callback); }

  // Counts a frame and measures the time; true when the run is over.
  virtual bool update();

  bool running = false;   // in the list of active animations
  bool finished = false;  // the current run has ended or was stopped
  bool stopped = false;   // ended by stop: no repeat
  bool repeat = false;    // restart after each end
  unsigned int startTime = 0;
  unsigned int duration = 1000;  // milliseconds
  NVAnimeData data;
  NVAnimeCallback onStart, onEnd, onUpdate;
};

// The frame step: advances every running animation, calls the end callbacks,
// then restarts the repeating ones and drops the others.
void runAnimations();

// The millisecond clock of the animations, timeGetTime unless replaced (for
// tests); an empty function restores it.
void setAnimationClock(std::function<unsigned int()> clock);
// How many animations are in the active list.
int activeAnimationCount();
