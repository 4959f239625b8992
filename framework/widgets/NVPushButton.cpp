#include "framework/widgets/NVPushButton.h"

#include "framework/compose/NVImage.h"
#include "framework/compose/NVStringStyle.h"
#include "framework/core/NVEventConnector.h"
#include "framework/widgets/NVPainters.h"
#include "framework/widgets/NVVisualDesigner.h"
#include "platform/win32.h"

NVPushButton::NVPushButton(int newX, int newY, int newWidth, int newHeight, NVString caption)
    : NVTransParentLabel(newX, newY, newWidth, newHeight, caption) {
  typeName = "NVPushButton";
  normalFace = new NVImage(newWidth, newHeight);
  pressedFace = new NVImage(newWidth, newHeight);
  hoverFace = new NVImage(newWidth, newHeight);
  normalDesigner = new NVVisualDesigner();
  hoverDesigner = new NVVisualDesigner();
  pressedDesigner = new NVVisualDesigner();
  normalDesigner->setPainter(paintButtonFace, 0);
  hoverDesigner->setPainter(paintButtonFaceHover, 0);
  pressedDesigner->setPainter(paintButtonFacePressed, 0);
}

NVPushButton::~NVPushButton() {
  setImage(nullptr);
  delete connector;
  delete normalDesigner;
  delete hoverDesigner;
  delete pressedDesigner;
  delete normalFace;
  delete pressedFace;
  delete hoverFace;
}

NVPoint NVPushButton::centreText() const {
  const NVString caption = getText();
  if (caption.isEmpty()) return {0, 0};
  NVStringStyle* style = getTextStyle() ? getTextStyle() : NVStringStyle::sharedDefault();
  const SIZE size = style->measure(caption);
  NVPoint offset{getWidth() / 2 - size.cx / 2, getHeight() / 2 - size.cy / 2};
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  if (GetVersionExA(&info) && info.dwMajorVersion == 6 && info.dwMinorVersion == 0) ++offset.y;
  return offset;
}

void NVPushButton::onEnableChanged(bool effective) {
  normalDesigner->paint(normalFace, getWidth(), getHeight());
  if (!effective) dimToBackground(normalFace, getWidth(), getHeight());
  setImage(normalFace);
  redraw(true);
}

void NVPushButton::paintFaces() {
  onEnableChanged(isEnabled());
  pressedDesigner->paint(pressedFace, getWidth(), getHeight());
  hoverDesigner->paint(hoverFace, getWidth(), getHeight());
  setImage(normalFace);
  const NVPoint offset = centreText();
  setTextOffset(offset.x, offset.y);
}

void NVPushButton::onAttach() {
  if (!connector) {
    connector = new NVEventConnector(this);
    connector->connect(NV_EV_ENTER, [this](NVEventState e) { onPointerEnter(e); });
    connector->connect(NV_EV_LEAVE, [this](NVEventState e) { onPointerLeave(e); });
    connector->connect(NV_EV_LDOWN, [this](NVEventState e) { onPress(e); });
    connector->connect(NV_EV_LUP, [this](NVEventState e) { onRelease(e); });
  }
  paintFaces();
}

void NVPushButton::onResize(int, int) { paintFaces(); }

bool NVPushButton::isInside(const NVEventState& event) const {
  return event.widget == this && event.localX >= 0 && event.localX < getWidth() && event.localY >= 0 &&
         event.localY < getHeight();
}

void NVPushButton::onPointerEnter(NVEventState) {
  setImage(hoverFace);
  redraw(true);
}

void NVPushButton::onPointerLeave(NVEventState) {
  setImage(normalFace);
  redraw(true);
}

void NVPushButton::onPress(NVEventState) {
  setImage(pressedFace);
  const NVPoint offset = centreText();
  setTextOffset(offset.x + 1, offset.y + 1);
  redraw(true);
}

void NVPushButton::onRelease(NVEventState event) {
  setImage(isInside(event) ? hoverFace : normalFace);
  const NVPoint offset = centreText();
  setTextOffset(offset.x, offset.y);
  redraw(true);
}
