#include "framework/widgets/NVVScroll.h"

#include <algorithm>
#include <cstdint>

#include "framework/compose/NVImage.h"
#include "framework/core/NVEventConnector.h"
#include "framework/core/NVEventDispatch.h"
#include "framework/widgets/NVAnimation.h"
#include "framework/widgets/NVPainters.h"
#include "framework/widgets/NVPushButton.h"
#include "framework/widgets/NVVisualDesigner.h"

namespace {

constexpr int kButtonSize = 16;
constexpr int kMinimumThumb = 10;

NVPushButton* makeArrowButton(int y, NVPainter normal, NVPainter hover, NVPainter pressed) {
  auto* button = new NVPushButton(0, y, kButtonSize, kButtonSize, NVString(""));
  button->normalDesigner->setPainter(std::move(normal), 0);
  button->hoverDesigner->setPainter(std::move(hover), 0);
  button->pressedDesigner->setPainter(std::move(pressed), 0);
  button->passEventsToParent = true;
  return button;
}

}  // namespace

NVVScroll::NVVScroll(int newHeight) : NVWidget(463, 1, kButtonSize, std::max(newHeight, 64)) {
  typeName = "NVVScroll";
  const int h = height;
  trackImage = new NVImage(kButtonSize, h);
  track = new NVWidget(0, kButtonSize, kButtonSize, h - 2 * kButtonSize);
  track->passEventsToParent = true;
  upButton = makeArrowButton(0, paintScrollUp, paintScrollUpHover, paintScrollUpPressed);
  downButton = makeArrowButton(h - kButtonSize, paintScrollDown, paintScrollDownHover, paintScrollDownPressed);
  // With no range yet the thumb fills the track.
  thumb = new NVPushButton(0, 0, kButtonSize, h - 2 * kButtonSize, NVString(""));
  thumb->passEventsToParent = true;
  trackDesigner = new NVVisualDesigner();
  trackDesigner->setPainter(paintScrollTrack, 0);
}

NVVScroll::~NVVScroll() {
  delete repeatAnimation;
  delete trackConnector;
  delete upConnector;
  delete downConnector;
  delete thumbConnector;
  track->setImage(nullptr);
  // A bar no longer displayed detaches nothing, so the children are dropped
  // from the lists by hand before they go.
  track->removeChild(thumb);
  track->children.remove(thumb);
  delete thumb;
  for (NVWidget* child : {track, static_cast<NVWidget*>(upButton), static_cast<NVWidget*>(downButton)}) {
    removeChild(child);
    children.remove(child);
    delete child;
  }
  delete trackDesigner;
  delete trackImage;
}

bool NVVScroll::isAttached() const { return trackConnector != nullptr && hostKind != NVHostKind::None; }

int NVVScroll::setRect(int newX, int newY, int newWidth, int newHeight) {
  return NVWidget::setRect(newX, newY, newWidth, std::max(newHeight, 4 * newWidth));
}

void NVVScroll::onShow() {
  for (NVWidget* child : {track, static_cast<NVWidget*>(upButton), static_cast<NVWidget*>(downButton),
                          static_cast<NVWidget*>(thumb)})
    child->show();
}

void NVVScroll::onHide() {
  for (NVWidget* child : {track, static_cast<NVWidget*>(upButton), static_cast<NVWidget*>(downButton),
                          static_cast<NVWidget*>(thumb)})
    child->hide();
}

void NVVScroll::onResize(int w, int h) {
  track->setRect(0, w, w, h - 2 * w);
  onEnableChanged(isEnabled());
  upButton->setRect(0, 0, w, w);
  downButton->setRect(0, h - w, w, w);
  setMaximum(maximum);
  setPosition(position);
}

void NVVScroll::onEnableChanged(bool effective) {
  trackDesigner->paint(trackImage, getWidth(), getHeight());
  if (!effective) dimToBackground(trackImage, getWidth(), getHeight());
  track->setImage(trackImage);
  upButton->setEnabled(effective);
  downButton->setEnabled(effective);
  thumb->setEnabled(effective);
  redraw(true);
}

void NVVScroll::onAttach() {
  for (NVWidget* child : {track, static_cast<NVWidget*>(upButton), static_cast<NVWidget*>(downButton)})
    if (child->parent != this) addChild(child, true);
  if (thumb->parent != track) track->addChild(thumb, true);
  if (!trackConnector) connectHandlers();
  onEnableChanged(isEnabled());
  setMaximum(maximum);
  setPosition(position);
}

void NVVScroll::connectHandlers() {
  trackConnector = new NVEventConnector(track);
  trackConnector->connect(NV_EV_LDOWN, [this](NVEventState e) { onTrackPress(e); });
  thumbConnector = new NVEventConnector(thumb);
  thumbConnector->connect(NV_EV_LDOWN, [this](NVEventState e) {
    dragging = true;
    dragStartY = static_cast<int>(e.screenY);
    dragStartThumbY = thumb->getY();
  });
  thumbConnector->connect(NV_EV_MOVE, [this](NVEventState e) {
    if (dragging) setThumbOffset(dragStartThumbY + static_cast<int>(e.screenY) - dragStartY);
  });
  thumbConnector->connect(NV_EV_LUP, [this](NVEventState) {
    dragging = false;
    redraw(true);
    thumb->redraw(true);
  });
  upConnector = new NVEventConnector(upButton);
  upConnector->connect(NV_EV_LDOWN, [this](NVEventState) { startRepeat(-1); });
  upConnector->connect(NV_EV_LUP, [this](NVEventState) { stopRepeat(); });
  downConnector = new NVEventConnector(downButton);
  downConnector->connect(NV_EV_LDOWN, [this](NVEventState) { startRepeat(1); });
  downConnector->connect(NV_EV_LUP, [this](NVEventState) { stopRepeat(); });
  repeatAnimation = new NVAnimation();
}

// The press is taken in the track's own coordinates less the up button's
// height, so a press up to that height below the thumb's top still pages up.
void NVVScroll::onTrackPress(NVEventState event) {
  if (event.widget != track) return;
  if (thumbOffset < static_cast<int>(event.localY) - upButton->getHeight())
    setThumbOffset(thumbOffset + thumb->getHeight());
  else
    setThumbOffset(thumbOffset - thumb->getHeight());
}

int NVVScroll::thumbTravel() const { return std::max(0, track->getHeight() - thumb->getHeight()); }

void NVVScroll::placeThumb(int offset) {
  thumbOffset = offset;
  thumb->moveTo(0, thumbOffset);
  track->redraw(true);
  thumb->redraw(true);
}

void NVVScroll::announceIfMoved(int previousPosition) {
  if (position != previousPosition && getEngine()) raiseWidgetEvent(this, NV_EV_CHANGED);
}

void NVVScroll::setMaximum(int newMaximum) {
  const int previous = position;
  maximum = std::max(newMaximum, 0);
  position = std::min(position, maximum);
  if (!isAttached()) return;
  const std::int64_t available = getHeight() - upButton->getHeight() - downButton->getHeight();
  const std::int64_t total = maximum + available;
  // With nothing to scroll and no room the thumb simply takes the room there is.
  std::int64_t length = total > 0 ? available * available / total : available;
  length = std::max<std::int64_t>(length, kMinimumThumb);
  if (thumb->getWidth() != getWidth() || thumb->getHeight() != length)
    thumb->setSize(getWidth(), static_cast<int>(length));
  placeThumb(maximum < 1 ? 0 : static_cast<int>(std::int64_t{thumbTravel()} * position / maximum));
  announceIfMoved(previous);
}

void NVVScroll::setPosition(int newPosition) {
  const int previous = position;
  position = std::clamp(newPosition, 0, maximum);
  if (!isAttached()) return;
  placeThumb(maximum < 1 ? 0 : static_cast<int>(std::int64_t{thumbTravel()} * position / maximum));
  announceIfMoved(previous);
}

void NVVScroll::setThumbOffset(int offset) {
  if (!isAttached()) {
    thumbOffset = std::max(offset, 0);
    return;
  }
  const int previous = position;
  const int travel = thumbTravel();
  if (offset <= 0) {
    position = 0;
    offset = 0;
  } else if (offset < travel) {
    position = static_cast<int>(std::int64_t{offset} * maximum / travel);
  } else {
    offset = travel;
    position = maximum;
  }
  placeThumb(offset);
  announceIfMoved(previous);
}

void NVVScroll::stepBy(int direction) {
  const std::int64_t target = std::int64_t{position} + std::int64_t{direction} * step;
  setPosition(static_cast<int>(std::clamp<std::int64_t>(target, 0, maximum)));
}

void NVVScroll::startRepeat(int direction) {
  stepBy(direction);
  // The first period only switches the animation over to 50 ms steps.
  repeatAnimation->duration = 300;
  repeatAnimation->repeat = false;
  repeatAnimation->setOnEnd([this, direction](NVAnimeData) {
    repeatAnimation->setOnEnd([this, direction](NVAnimeData) {
      stepBy(direction);
      return false;
    });
    repeatAnimation->duration = 50;
    repeatAnimation->repeat = true;
    return false;
  });
  repeatAnimation->start();
}

// A stopped animation still ends once at the next frame step; once the steps
// have begun, that end makes one more step, like every other period's end.
void NVVScroll::stopRepeat() {
  if (!repeatAnimation->running) return;
  repeatAnimation->stop();
}
