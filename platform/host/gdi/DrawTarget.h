// What a device context draws into, resolved for one drawing call: the
// selected bitmap of a memory context, or the surface of a window context's
// top-level window with the window's offset and visible area.
#pragma once

#include <cstdint>
#include <mutex>

#include "platform/runtime/RankedMutex.h"
#include <vector>

#include "platform/host/gdi/DeviceContexts.h"

namespace nvhost::gdi {

struct DrawTarget {
  DCState state;
  HWND top = nullptr;    // set for window contexts: the surface's owner
  int surfaceWidth = 0;  // the size a window surface must have
  int surfaceHeight = 0;
  int originX = 0;  // logical (0, 0) in buffer pixels
  int originY = 0;
  std::vector<RECT> clips;  // where drawing may write, buffer pixels
  // Bound by TargetAccess while the pixels may be touched.
  PixelsRef bound;
  std::uint32_t* words = nullptr;
  int width = 0;
  int height = 0;
  RECT changed{};  // what drawing wrote, buffer pixels

  void markChanged(const RECT& area);
};

// Resolves a device context; false for a handle that is no context.
bool resolveTarget(HDC dc, DrawTarget& target);

// Binds the pixels of up to two targets for one drawing call. Window
// surfaces are guarded by one lock, taken here and never around a call into
// user32 or the display; on the way out, what changed in a window surface is
// presented to the display.
class TargetAccess {
 public:
  explicit TargetAccess(DrawTarget& first, DrawTarget* second = nullptr);
  ~TargetAccess();
  TargetAccess(const TargetAccess&) = delete;
  TargetAccess& operator=(const TargetAccess&) = delete;

 private:
  DrawTarget& first_;
  DrawTarget* second_;
  std::unique_lock<nvrt::RankedMutex> lock_;
};

}  // namespace nvhost::gdi
