// The widget base: a thin controller in front of a host (a stage item, a 2D
// item or a 3D item) that it creates on demand and to which it
// forwards geometry, face image, text, style, enabled state and visibility.
// Until a host exists the widget keeps the values itself.
#pragma once

#include <list>

#include "framework/core/NVGUICoreObject.h"
#include "framework/core/NVHostKind.h"
#include "framework/core/NVString.h"

class NVStageBase;
class NV2DItemBase;
class NV3DItemBase;
class NVStageItem;
class NV2DItem;
class NV3DItem;
class NVImage;
class NVStringStyle;
class NVEngine;

class NVWidget : public virtual NVGUICoreObject {
 public:
  NVWidget(int x = 0, int y = 0, int width = 0, int height = 0);
  ~NVWidget() override;

  virtual void repaint();
  virtual void setEnabled(bool enabled);
  virtual int moveBy(int dx, int dy);
  virtual int moveTo(int x, int y);
  virtual int setRect(int x, int y, int width, int height);
  virtual void setSize(int width, int height);
  virtual void onAttach() {}
  virtual void onDetach() {}
  virtual void onShow() {}
  virtual void onHide() {}
  virtual void onResize(int, int) {}
  virtual void onEnableChanged(bool) {}

  NVStageItem* stageItem();
  NV2DItem* item2D();
  NV3DItem* item3D();
  void addChild(NVWidget* child, bool visible);
  void removeChild(NVWidget* child);
  void redraw(bool whole);
  void show();
  void hide();
  bool isEnabled() const;
  int getX() const;
  int getY() const;
  int getWidth() const;
  int getHeight() const;
  int getStageX() const;
  int getStageY() const;
  NVEngine* getEngine() const;
  void setImage(NVImage* image);
  void setText(NVString text);
  NVString getText() const;
  void setTextStyle(NVStringStyle* style);
  NVStringStyle* getTextStyle() const;
  void setTextOffset(int x, int y);
  void setAlpha(int alpha);

  // The host as the engine sees it, or null.
  NVStageBase* hostStage() const;
  NV2DItemBase* hostItem2D() const;
  NV3DItemBase* hostItem3D() const;

  int x, y, width, height;
  NVImage* faceImage = nullptr;
  NVString text;
  NVStringStyle* textStyle = nullptr;
  bool enabled = true;
  bool passEventsToParent = false;
  NVHostKind hostKind = NVHostKind::None;
  NVStageItem* stageItemHost = nullptr;
  NV2DItem* item2DHost = nullptr;
  NV3DItem* item3DHost = nullptr;
  NVWidget* parent = nullptr;
  std::list<NVWidget*> children;

 private:
  void initialiseHost();
  bool isDisplayed() const;
};

// Fills the engine's widget hooks (framework/core/NVTargetHooks.h); every
// widget's constructor calls it, so they are set before a widget can reach
// the engine.
void installWidgetHooks();
