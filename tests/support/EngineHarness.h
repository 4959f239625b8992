// A frame loop for tests of the engine on the host's null display: top-level
// stages, a recorder of delivered events, and frames run until a condition.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "framework/core/NVEngine.h"
#include "framework/core/NVEventConnector.h"
#include "framework/core/NVStageBase.h"

// Chooses the null display; call before the first stage is made.
void useNullDisplay();
// A pixel of the window's own picture on the null display as 0xRRGGBB;
// 0xDEADBEEF when the display has no picture of the window.
std::uint32_t windowColour(HWND window, int x, int y);

// One turn of the program's frame loop (runFrameSteps), then a short sleep so
// the window thread runs.
void runFrame(NVEngine* engine);
// Runs frames until `done` holds; false if it never did within `maxFrames`.
bool runFramesUntil(NVEngine* engine, const std::function<bool()>& done, int maxFrames = 2000);
// Runs `count` frames.
void runFrames(NVEngine* engine, int count);
// Waits until the window thread has copied the desktop keyboard into the
// engine's key states twice, so they show every key and button injected
// before the call; a failure of the running test if that takes over 20 s.
void waitForKeyStates(NVEngine* engine);
// The same wait without the failure: false if the window thread did not come
// round twice within `timeoutMs`.
bool windowThreadTurned(NVEngine* engine, DWORD timeoutMs);

// A shown top-level stage at a screen rectangle.
NVStageBase* makeTopLevel(int x, int y, int width, int height, NVEngine* engine = nullptr);

// Records the kinds (and records) that reach a target.
class EventRecorder {
 public:
  explicit EventRecorder(NVStageBase* stage, std::vector<NVEventKind> kinds = {});
  ~EventRecorder();
  std::vector<int> kinds() const;
  std::vector<NVEventState> events;

 private:
  NVEventConnector* connector_;
};
