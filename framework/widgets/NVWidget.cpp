#include "framework/widgets/NVWidget.h"

#include <algorithm>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NV2DScene.h"
#include "framework/compose/NV3DItem.h"
#include "framework/compose/NVStageItem.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVFrameCycle.h"

NVWidget::NVWidget(int newX, int newY, int newWidth, int newHeight)
    : x(newX), y(newY), width(newWidth), height(newHeight) {
  typeName = "NVWidget";
  initOnce();
  installWidgetHooks();
}

NVWidget::~NVWidget() {
  NVEngine::forgetEverywhere(static_cast<NVWidget*>(this));
  delete stageItemHost;
  delete item2DHost;
  delete item3DHost;
  stageItemHost = nullptr;
  item2DHost = nullptr;
  item3DHost = nullptr;
  hostKind = NVHostKind::None;
  parent = nullptr;
  children.clear();
}

NVStageBase* NVWidget::hostStage() const { return stageItemHost; }

NV2DItemBase* NVWidget::hostItem2D() const { return item2DHost; }

NV3DItemBase* NVWidget::hostItem3D() const { return item3DHost; }

void NVWidget::initialiseHost() {
  setImage(faceImage);
  setText(text);
  setTextStyle(textStyle);
  if (stageItemHost) stageItemHost->setEnabled(enabled);
  if (item2DHost) item2DHost->setEnabled(enabled);
  if (item3DHost) item3DHost->setEnabled(enabled);
  onEnableChanged(enabled);
  if (stageItemHost) stageItemHost->passToParent = passEventsToParent;
  if (item2DHost) item2DHost->bubbleEvents = passEventsToParent;
  if (item3DHost) item3DHost->bubbleEvents = passEventsToParent;
}

NVStageItem* NVWidget::stageItem() {
  if (hostKind != NVHostKind::None) return stageItemHost;
  stageItemHost = new NVStageItem(x, y, std::max(width, 1), std::max(height, 1));
  stageItemHost->widget = this;
  hostKind = NVHostKind::StageItem;
  initialiseHost();
  return stageItemHost;
}

NV2DItem* NVWidget::item2D() {
  if (hostKind != NVHostKind::None) return item2DHost;
  item2DHost = new NV2DItem(1000, x, y, width, height);
  item2DHost->ownerWidget = this;
  hostKind = NVHostKind::Item2D;
  initialiseHost();
  return item2DHost;
}

NV3DItem* NVWidget::item3D() {
  if (hostKind != NVHostKind::None) return item3DHost;
  item3DHost = new NV3DItem(x, y, width, height);
  item3DHost->ownerWidget = this;
  hostKind = NVHostKind::Item3D;
  initialiseHost();
  return item3DHost;
}

// Whether this widget's host is attached to something that is displayed. A
// 3D item always counts: its children are entered in its stage once it has
// one.
bool NVWidget::isDisplayed() const {
  if (stageItemHost) return stageItemHost->created;
  if (item2DHost) return (item2DHost->parent && item2DHost->parent->getScene()) || item2DHost->scene;
  return item3DHost != nullptr;
}

void NVWidget::addChild(NVWidget* child, bool visible) {
  if (!child || !isDisplayed()) return;
  if (stageItemHost) {
    NVStageItem* host = child->stageItem();
    if (!host) return;
    if (stageItemHost->addChild(host, visible)) child->onAttach();
  } else if (item3DHost) {
    NV3DItem* host = child->item3D();
    if (!host) return;
    NV3DItemBase::addChild(item3DHost, host, visible);
    child->onAttach();
  } else {
    NV2DItem* host = child->item2D();
    if (!host) return;
    NV2DItemBase::addChild(item2DHost, host, visible);
    child->onAttach();
    if (visible)
      child->show();
    else
      child->hide();
  }
  child->parent = this;
  children.push_back(child);
}

void NVWidget::removeChild(NVWidget* child) {
  if (!child || !isDisplayed()) return;
  if (stageItemHost && child->stageItemHost) {
    child->onDetach();
    stageItemHost->removeChild(child->stageItemHost);
  } else if (item2DHost && child->item2DHost) {
    child->item2DHost->detach();
  } else if (item3DHost && child->item3DHost) {
    child->onDetach();
    child->item3DHost->detach();
  }
  child->parent = nullptr;
  children.remove(child);
}

void NVWidget::redraw(bool whole) {
  for (NVWidget* child : children) child->redraw(whole);
  if (stageItemHost) stageItemHost->invalidate(whole);
  if (item2DHost) item2DHost->invalidate(true);
  if (item3DHost) item3DHost->invalidate(true);
}

void NVWidget::repaint() {
  if (stageItemHost) {
    stageItemHost->redraw();
    stageItemHost->invalidate(true);
  }
  if (item2DHost) item2DHost->invalidate(true);
  if (item3DHost) item3DHost->invalidate(true);
}

void NVWidget::show() {
  onShow();
  if (stageItemHost) stageItemHost->show();
  if (item2DHost) {
    item2DHost->visible = true;
    item2DHost->invalidate(true);
  }
  if (item3DHost) item3DHost->setVisible(true);
}

void NVWidget::hide() {
  onHide();
  if (stageItemHost) stageItemHost->hide();
  if (item2DHost) {
    item2DHost->invalidate(true);
    item2DHost->visible = false;
  }
  if (item3DHost) item3DHost->setVisible(false);
}

bool NVWidget::isEnabled() const {
  if (stageItemHost) return stageItemHost->isEnabled();
  if (item2DHost) return item2DHost->isActive();
  if (item3DHost) return item3DHost->isActive();
  return enabled;
}

void NVWidget::setEnabled(bool on) {
  // The own host takes the flag before the children are told, so that a
  // child enabled together with its parent announces that it is enabled;
  // told first, it would see its parent still disabled and keep a disabled
  // look. The announcements still run from the deepest widget up.
  if (hostKind == NVHostKind::None) enabled = on;
  if (stageItemHost) stageItemHost->setEnabled(on);
  if (item2DHost) item2DHost->setEnabled(on);
  if (item3DHost) item3DHost->setEnabled(on);
  for (NVWidget* child : children) child->setEnabled(on);
  if (hostKind != NVHostKind::None) onEnableChanged(isEnabled());
}

int NVWidget::moveBy(int dx, int dy) {
  if (stageItemHost) return stageItemHost->moveBy(dx, dy);
  if (item2DHost) {
    item2DHost->moveBy(dx, dy);
    return 1;
  }
  if (item3DHost) {
    item3DHost->moveBy(dx, dy);
    return 1;
  }
  return 0;
}

int NVWidget::moveTo(int newX, int newY) {
  if (stageItemHost) return stageItemHost->moveTo(newX, newY);
  if (item2DHost) {
    item2DHost->moveTo(newX, newY);
    return 1;
  }
  if (item3DHost) {
    item3DHost->moveTo(newX, newY);
    return 1;
  }
  return 0;
}

int NVWidget::setRect(int newX, int newY, int newWidth, int newHeight) {
  if (hostKind == NVHostKind::None) {
    x = newX, y = newY, width = newWidth, height = newHeight;
    return 1;
  }
  if (stageItemHost) stageItemHost->setRect(newX, newY, newWidth, newHeight);
  if (item2DHost) item2DHost->setRect(newX, newY, newWidth, newHeight);
  if (item3DHost) item3DHost->setRect(newX, newY, newWidth, newHeight);
  onResize(newWidth, newHeight);
  redraw(true);
  return 1;
}

void NVWidget::setSize(int newWidth, int newHeight) { setRect(getX(), getY(), newWidth, newHeight); }

int NVWidget::getX() const {
  if (stageItemHost) return stageItemHost->x.load();
  return item2DHost ? item2DHost->x : item3DHost ? item3DHost->x : x;
}
int NVWidget::getY() const {
  if (stageItemHost) return stageItemHost->y.load();
  return item2DHost ? item2DHost->y : item3DHost ? item3DHost->y : y;
}
int NVWidget::getWidth() const {
  if (stageItemHost) return stageItemHost->width.load();
  return item2DHost ? item2DHost->width : item3DHost ? item3DHost->width : width;
}
int NVWidget::getHeight() const {
  if (stageItemHost) return stageItemHost->height.load();
  return item2DHost ? item2DHost->height : item3DHost ? item3DHost->height : height;
}
int NVWidget::getStageX() const {
  return item2DHost ? item2DHost->getAbsoluteX() : item3DHost ? item3DHost->getAbsoluteX() : getX();
}
int NVWidget::getStageY() const {
  return item2DHost ? item2DHost->getAbsoluteY() : item3DHost ? item3DHost->getAbsoluteY() : getY();
}

NVEngine* NVWidget::getEngine() const {
  if (stageItemHost) return stageItemHost->engine;
  if (item2DHost) {
    NVStageBase* stage = item2DHost->getStage();
    return stage ? stage->engine : nullptr;
  }
  if (item3DHost) {
    NVStageBase* stage = item3DHost->getStage();
    return stage ? stage->engine : nullptr;
  }
  return nullptr;
}

void NVWidget::setImage(NVImage* image) {
  if (stageItemHost) {
    stageItemHost->setImage(image);
  } else if (item2DHost) {
    item2DHost->setImage(image);
  } else if (item3DHost) {
    item3DHost->setSourceImage(image);
  } else {
    faceImage = image;
    return;
  }
  redraw(true);
}

void NVWidget::setText(NVString newText) {
  if (stageItemHost)
    stageItemHost->setText(newText);
  else if (item2DHost)
    item2DHost->setText(newText);
  else if (item3DHost)
    item3DHost->setText(newText);
  else
    text = newText;
}

NVString NVWidget::getText() const {
  if (stageItemHost) return stageItemHost->getText();
  if (item2DHost) return item2DHost->getText();
  if (item3DHost) return item3DHost->getText();
  return text;
}

void NVWidget::setTextStyle(NVStringStyle* style) {
  if (stageItemHost)
    stageItemHost->setTextStyle(style);
  else if (item2DHost)
    item2DHost->setTextStyle(style);
  else if (item3DHost)
    item3DHost->setTextStyle(style);
  else
    textStyle = style;
}

NVStringStyle* NVWidget::getTextStyle() const {
  if (stageItemHost) return stageItemHost->textStyle;
  if (item2DHost) return item2DHost->textStyle;
  if (item3DHost) return item3DHost->textStyle;
  return textStyle;
}

void NVWidget::setTextOffset(int newX, int newY) {
  if (stageItemHost) stageItemHost->setTextPosition(newX, newY);
  if (item2DHost) item2DHost->setTextOffset(newX, newY);
  if (item3DHost) item3DHost->setTextPosition(newX, newY);
}

void NVWidget::setAlpha(int alpha) {
  if (stageItemHost) stageItemHost->setAlpha(alpha);
  if (item2DHost) {
    item2DHost->setAlpha(alpha);
    redraw(true);
  }
  if (item3DHost) item3DHost->setAlpha(alpha);
}
