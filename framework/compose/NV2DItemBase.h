// A 2D item: one element of a scene, with its own position, size, opacity,
// blend mode, filter, scale and rotation, and child items drawn on top of it
// and positioned relative to it. The base holds the tree, the geometry and the
// drawing traversal; NV2DItem adds the pixels.
#pragma once

#include <map>
#include <vector>

#include "framework/compose/blit/NVBlitParams.h"
#include "framework/compose/blit/NVPixelTarget.h"
#include "framework/core/NVGUICoreObject.h"
#include "framework/core/NVRect.h"

class NV2DScene;
class NVWidget;
class NVStageBase;

class NV2DItemBase : public virtual NVGUICoreObject {
 public:
  explicit NV2DItemBase(int depth = 0);
  ~NV2DItemBase() override;

  virtual bool invalidateRect(int x0, int y0, int x1, int y1);
  virtual bool invalidate(bool really);
  virtual void requestFocus();
  virtual void setEnabled(bool on);
  virtual void hitTest(int x, int y, std::vector<NV2DItemBase*>& results, int maxCount) = 0;
  virtual void resetItem(int depth);
  virtual void detach();
  // Draws this item and its children into the part of target inside area.
  virtual void draw(const NVPixelTarget& target, const NVRect& area);
  // Draws this item's own pixels, clipped to area (already inside target).
  virtual void blit(const NVPixelTarget&, const NVRect&) {}
  virtual void blitClipped(const NVPixelTarget&, const NVRect&) {}

  static void addChild(NV2DItemBase* parent, NV2DItemBase* child, bool visible);
  static void removeChild(NV2DItemBase* parent, NV2DItemBase* child);

  int getAbsoluteX() const;
  int getAbsoluteY() const;
  int getEffectiveAlpha() const;
  bool isShown() const;
  bool isActive() const;
  bool isClipped() const;
  NV2DScene* getScene() const;
  NVBlitMatrix getCumulativeMatrix() const;
  void localToStage(double x, double y, double& outX, double& outY) const;
  void stageToLocal(double x, double y, double& outX, double& outY) const;
  NVRect getBoundingBox() const;
  // The stage that shows this item's scene, or null.
  NVStageBase* getStage() const;

  void setAlpha(int alpha) { this->alpha = alpha < 0 ? 0 : alpha > 255 ? 255 : alpha; }
  // Setters for what the framework itself never changes; each invalidates
  // the old and the new area.
  void setScale(double sx, double sy);
  void setRotation(double degrees);
  void setBlendMode(int mode);
  void setFilter(int filter);

  NV2DItemBase* parent = nullptr;
  NVWidget* ownerWidget = nullptr;
  std::multimap<int, NV2DItemBase*> children;
  NV2DScene* scene = nullptr;
  int depth = 0;
  bool visible = false;
  bool enabled = true;
  bool bubbleEvents = false;
  bool wholeRectHit = false;
  bool clipChildren = false;
  int x = 0, y = 0, width = 0, height = 0;
  int alpha = 255;
  int blendMode = 0;
  int filter = 0;
  double scaleX = 1.0, scaleY = 1.0;
  double rotation = 0.0;
  NVBlitMatrix local;

 protected:
  void updateLocalMatrix();
  // Grows the scene's dirty rectangle by a stage-space box.
  void markDirty(const NVRect& box);
  void invalidateChildren();
  // The clipping ancestors, nearest first, for the clipped blitters.
  std::vector<NVBlitClipAncestor> clipAncestors() const;
};

// Installs the engine's view of 2D items (enabled chain, bubbling, hit
// testing on 2D stages) once.
void installItemHooks();
