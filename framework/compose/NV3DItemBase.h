// A 3D item: a screen-aligned rectangle drawn by the toolkit renderer as a
// model of a 3D stage. It keeps a pixel rectangle like a 2D item and lays
// itself out in normalised device units, so that the rectangle covers the
// same pixels of the stage whatever the stage's camera and projection are.
// The base holds the tree, the geometry and the drawing transform; NV3DItem
// adds the picture.
#pragma once

#include <map>
#include <vector>

#include "framework/core/NVGUICoreObject.h"
#include "toolkit/dv_Material.h"
#include "toolkit/dv_Model.h"

class NV3DStage;
class NVWidget;
class NVStageBase;

class NV3DItemBase : public dv_Model, public virtual NVGUICoreObject {
 public:
  NV3DItemBase(int x, int y, int width, int height);
  ~NV3DItemBase() override;

  // Draws the item in normalised device units: both matrices are replaced by
  // the item's own transform until postDraw.
  void preDraw() override;
  void postDraw() override;

  virtual void invalidate(bool really);
  virtual void requestFocus();
  virtual void setEnabled(bool on);
  virtual void hitTest(int x, int y, std::vector<NV3DItemBase*>& results, int maxCount);
  virtual void setTextureSize(double width, double height) { (void)width, (void)height; }
  virtual void moveBy(int dx, int dy) { setRect(x + dx, y + dy, width, height); }
  virtual void moveTo(int newX, int newY) { setRect(newX, newY, width, height); }
  // Sizes below 1 become 1. Always true.
  virtual bool setRect(int x, int y, int width, int height);
  virtual void setSize(int newWidth, int newHeight) { setRect(x, y, newWidth, newHeight); }

  // Enters the child under the parent (and in the parent's stage).
  static void addChild(NV3DItemBase* parent, NV3DItemBase* child, bool visible);
  // Takes the item out of its parent, or out of its stage for a root.
  void detach();

  // Places the rectangle for the current geometry, alpha and visibility.
  void layout();
  void setAlpha(int alpha);
  void setVisible(bool on);

  int getAbsoluteX() const;
  int getAbsoluteY() const;
  int getEffectiveAlpha() const;
  bool isShown() const;
  bool isActive() const;
  // The window that shows the item's stage, or null.
  NVStageBase* getStage() const;

  NV3DStage* stage3D = nullptr;
  NVWidget* ownerWidget = nullptr;
  NV3DItemBase* parent = nullptr;
  dv_Material material;
  std::multimap<int, NV3DItemBase*> children;
  int alpha = 255;
  int x, y, width, height;
  int depth = 0;
  bool visible = false;
  bool enabled = true;
  bool bubbleEvents = false;
  bool wholeRectHit = false;

 protected:
  // Whether the picture is opaque at a point of the item's own rectangle.
  virtual bool coversPoint(int localX, int localY) const {
    (void)localX, (void)localY;
    return false;
  }
};

// Installs the engine's view of 3D items (enabled chain, bubbling, owner
// widget, stage) once.
void installItem3DHooks();
