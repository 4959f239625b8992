// A modal run: a nested frame loop on an engine of its own, so that a window
// can be shown while the caller waits inside one call. The loop's steps are
// those of the application's main loop, in the same order.
#pragma once

#include <memory>

class NVEngine;

// One turn of a frame loop on `engine`, without its pause: input, events and
// their dispatch, animations, scenes, invalidations, deferred frees. False
// when input or dispatch failed and the loop should end.
bool runFrameSteps(NVEngine* engine);

class NVModal {
 public:
  NVModal() = default;
  NVModal(const NVModal&) = delete;
  NVModal& operator=(const NVModal&) = delete;
  // Stops the nested loop's engine if one is still set; it goes with the run.
  virtual ~NVModal();

  // open(), then frames until the engine is asked to stop or has ended.
  virtual void run();
  virtual void open() {}
  virtual void close() {}
  // Called once at the end of every nested frame.
  virtual void onModalFrame() {}

  std::unique_ptr<NVEngine> modalEngine;
};
