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
  normalFace = std::make_unique<NVImage>(newWidth, newHeight);
  pressedFace = std::make_unique<NVImage>(newWidth, newHeight);
  hoverFace = std::make_unique<NVImage>(newWidth, newHeight);
  normalDesigner = std::make_unique<NVVisualDesigner>();
  hoverDesigner = std::make_unique<NVVisualDesigner>();
  pressedDesigner = std::make_unique<NVVisualDesigner>();
  normalDesigner->setPainter(paintButtonFace, 0);
  hoverDesigner->setPainter(paintButtonFaceHover, 0);
  pressedDesigner->setPainter(paintButtonFacePressed, 0);
}

// The host lets go of the face before the faces go, and the connector goes
// first so that no handler runs on a half-destroyed button.
NVPushButton::~NVPushButton() {
  setImage(nullptr);
  connector.reset();
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
  normalDesigner->paint(normalFace.get(), getWidth(), getHeight());
  if (!effective) dimToBackground(normalFace.get(), getWidth(), getHeight());
  setImage(normalFace.get());
  redraw(true);
}

void NVPushButton::paintFaces() {
  onEnableChanged(isEnabled());
  pressedDesigner->paint(pressedFace.get(), getWidth(), getHeight());
  hoverDesigner->paint(hoverFace.get(), getWidth(), getHeight());
  setImage(normalFace.get());
  const NVPoint offset = centreText();
  setTextOffset(offset.x, offset.y);
}

void NVPushButton::onAttach() {
  if (!connector) {
    connector = std::make_unique<NVEventConnector>(this);
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
  setImage(hoverFace.get());
  redraw(true);
}

void NVPushButton::onPointerLeave(NVEventState) {
  setImage(normalFace.get());
  redraw(true);
}

void NVPushButton::onPress(NVEventState) {
  setImage(pressedFace.get());
  const NVPoint offset = centreText();
  setTextOffset(offset.x + 1, offset.y + 1);
  redraw(true);
}

void NVPushButton::onRelease(NVEventState event) {
  setImage(isInside(event) ? hoverFace.get() : normalFace.get());
  const NVPoint offset = centreText();
  setTextOffset(offset.x, offset.y);
  redraw(true);
}
