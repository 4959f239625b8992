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

std::unique_ptr<NVPushButton> makeArrowButton(int y, NVPainter normal, NVPainter hover, NVPainter pressed) {
  auto button = std::make_unique<NVPushButton>(0, y, kButtonSize, kButtonSize, NVString(""));
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
  trackImage = std::make_unique<NVImage>(kButtonSize, h);
  track = std::make_unique<NVWidget>(0, kButtonSize, kButtonSize, h - 2 * kButtonSize);
  track->passEventsToParent = true;
  upButton = makeArrowButton(0, paintScrollUp, paintScrollUpHover, paintScrollUpPressed);
  downButton = makeArrowButton(h - kButtonSize, paintScrollDown, paintScrollDownHover, paintScrollDownPressed);
  // With no range yet the thumb fills the track.
  thumb = std::make_unique<NVPushButton>(0, 0, kButtonSize, h - 2 * kButtonSize, NVString(""));
  thumb->passEventsToParent = true;
  trackDesigner = std::make_unique<NVVisualDesigner>();
  trackDesigner->setPainter(paintScrollTrack, 0);
}

NVVScroll::~NVVScroll() {
  repeatAnimation.reset();
  trackConnector.reset();
  upConnector.reset();
  downConnector.reset();
  thumbConnector.reset();
  track->setImage(nullptr);
  // A bar no longer displayed detaches nothing, so the children are dropped
  // from the lists by hand before they go.
  track->removeChild(thumb.get());
  track->children.remove(thumb.get());
  thumb.reset();
  for (NVWidget* child : ownChildren()) {
    removeChild(child);
    children.remove(child);
  }
  track.reset();
  upButton.reset();
  downButton.reset();
}

std::array<NVWidget*, 3> NVVScroll::ownChildren() const { return {track.get(), upButton.get(), downButton.get()}; }

bool NVVScroll::isAttached() const { return trackConnector != nullptr && hostKind != NVHostKind::None; }

int NVVScroll::setRect(int newX, int newY, int newWidth, int newHeight) {
  return NVWidget::setRect(newX, newY, newWidth, std::max(newHeight, 4 * newWidth));
}

void NVVScroll::onShow() {
  for (NVWidget* child : ownChildren()) child->show();
  thumb->show();
}

void NVVScroll::onHide() {
  for (NVWidget* child : ownChildren()) child->hide();
  thumb->hide();
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
  trackDesigner->paint(trackImage.get(), getWidth(), getHeight());
  if (!effective) dimToBackground(trackImage.get(), getWidth(), getHeight());
  track->setImage(trackImage.get());
  upButton->setEnabled(effective);
  downButton->setEnabled(effective);
  thumb->setEnabled(effective);
  redraw(true);
}

void NVVScroll::onAttach() {
  for (NVWidget* child : ownChildren())
    if (child->parent != this) addChild(child, true);
  if (thumb->parent != track.get()) track->addChild(thumb.get(), true);
  if (!trackConnector) connectHandlers();
  onEnableChanged(isEnabled());
  setMaximum(maximum);
  setPosition(position);
}

void NVVScroll::connectHandlers() {
  trackConnector = std::make_unique<NVEventConnector>(track.get());
  trackConnector->connect(NV_EV_LDOWN, [this](NVEventState e) { onTrackPress(e); });
  thumbConnector = std::make_unique<NVEventConnector>(thumb.get());
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
  upConnector = std::make_unique<NVEventConnector>(upButton.get());
  upConnector->connect(NV_EV_LDOWN, [this](NVEventState) { startRepeat(-1); });
  upConnector->connect(NV_EV_LUP, [this](NVEventState) { stopRepeat(); });
  downConnector = std::make_unique<NVEventConnector>(downButton.get());
  downConnector->connect(NV_EV_LDOWN, [this](NVEventState) { startRepeat(1); });
  downConnector->connect(NV_EV_LUP, [this](NVEventState) { stopRepeat(); });
  repeatAnimation = std::make_unique<NVAnimation>();
}

// The press is taken in the track's own coordinates less the up button's
// height, so a press up to that height below the thumb's top still pages up.
void NVVScroll::onTrackPress(NVEventState event) {
  if (event.widget != track.get()) return;
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
