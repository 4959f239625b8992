// The record an animation hands, by value, to each of its callbacks.
#pragma once

class NVAnimation;

struct NVAnimeData {
  NVAnimation* animation = nullptr;  // the animation that calls
  int frameCount = 0;                // updates since the start of the run
  double progress = 0.0;             // elapsed / duration, 0.0 to 1.0
  int elapsed = 0;                   // milliseconds since the start, at most the duration
  int spare = 0;                     // carried along for the caller; never changed here
};
