// The root items of one picture, a background colour and a dirty rectangle.
// Once per frame the scene recomposes its dirty part into its target buffer.
#pragma once

#include <atomic>

#include <map>
#include <vector>

#include "framework/compose/NVImage.h"
#include "framework/compose/blit/NVPixelTarget.h"
#include "framework/core/NVGUICoreObject.h"
#include "framework/core/NVRect.h"

class NV2DItemBase;
class dv_Image;

class NV2DScene : public virtual NVGUICoreObject {
 public:
  NV2DScene();
  ~NV2DScene() override;

  bool addRoot(NV2DItemBase* item);
  bool removeRoot(NV2DItemBase* item);
  void setBackgroundColor(int r, int g, int b, int a);
  // Binds a top-down image target whose showing stage keeps the dirty
  // rectangle pointed to.
  void bindImage(NVImage* image, NVRect* stageDirtyRect);
  void unbind();
  // Copies the background colour over area (right and bottom exclusive).
  void clearRect(const NVRect& area);
  void compose();
  std::vector<NV2DItemBase*> hitTest(int x, int y);
  // Widens the dirty rectangle (each edge only moves outward).
  void growDirty(const NVRect& area);
  // The bound target's pixels as the items draw on them.
  NVPixelTarget target() const { return {targetPixels, targetWidth, targetHeight, targetStride, targetLayout}; }
  bool isDirty() const { return !dirtyRect().isEmpty(); }
  // The dirty rectangle as it is now.
  NVRect dirtyRect() const { return {dirtyLeft.load(), dirtyTop.load(), dirtyRight.load(), dirtyBottom.load()}; }

  // Every scene, in creation order.
  static std::vector<NV2DScene*> allScenes();

  NVImage* backgroundRows = nullptr;
  int backgroundRed = 0, backgroundGreen = 0, backgroundBlue = 0, backgroundAlpha = 0;
  std::multimap<int, NV2DItemBase*> roots;
  // Widened by items on the main thread and by window paints on the window
  // thread, without a lock: each bound only moves outward.
  std::atomic<int> dirtyLeft{0}, dirtyTop{0}, dirtyRight{0}, dirtyBottom{0};
  bool attached = false;
  bool active = false;
  NVImage* targetImage = nullptr;
  dv_Image* targetTexture = nullptr;
  NVPixelLayout targetLayout = NVPixelLayout::None;
  std::uint32_t* targetPixels = nullptr;
  int targetWidth = 0, targetHeight = 0, targetStride = 0;
  NVRect* stageDirtyRect = nullptr;

 private:
  void setEmptyDirty() { dirtyLeft = targetWidth, dirtyTop = targetHeight, dirtyRight = 0, dirtyBottom = 0; }
};

// Frame step: composes every scene, in creation order.
void updateScenes();
