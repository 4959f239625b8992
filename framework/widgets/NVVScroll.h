// A vertical scroll bar: a track with a thumb between an up and a down
// button. It keeps an integer position between 0 and a maximum and raises
// NV_EV_CHANGED on itself whenever the position changes. Holding a button
// steps repeatedly; dragging the thumb or pressing the track moves by pixels.
#pragma once

#include <array>
#include <memory>

#include "framework/core/NVEventState.h"
#include "framework/widgets/NVWidget.h"

class NVAnimation;
class NVEventConnector;
class NVPushButton;
class NVVisualDesigner;

class NVVScroll : public NVWidget {
 public:
  // At (463, 1), 16 wide; a height below 64 becomes 64.
  explicit NVVScroll(int height);
  ~NVVScroll() override;
  NVVScroll(const NVVScroll&) = delete;
  NVVScroll& operator=(const NVVScroll&) = delete;

  // The height is raised to at least four times the width.
  int setRect(int x, int y, int width, int height) override;
  void onAttach() override;
  void onShow() override;
  void onHide() override;
  void onResize(int width, int height) override;
  void onEnableChanged(bool effective) override;

  // Before the scroll bar is attached these only store the values.
  void setMaximum(int maximum);
  void setPosition(int position);
  // Moves the thumb to a pixel offset inside the track, the position following.
  void setThumbOffset(int offset);
  int getPosition() const { return position; }
  int getMaximum() const { return maximum; }
  int getStep() const { return step; }
  void setStep(int newStep) { step = newStep; }
  // Whether onAttach has run, so that the thumb can follow the values.
  bool isAttached() const;

  std::unique_ptr<NVImage> trackImage;
  std::unique_ptr<NVWidget> track;
  std::unique_ptr<NVPushButton> upButton;
  std::unique_ptr<NVPushButton> downButton;
  std::unique_ptr<NVPushButton> thumb;
  std::unique_ptr<NVEventConnector> trackConnector;
  std::unique_ptr<NVEventConnector> upConnector;
  std::unique_ptr<NVEventConnector> downConnector;
  std::unique_ptr<NVEventConnector> thumbConnector;
  std::unique_ptr<NVAnimation> repeatAnimation;
  int position = 0;
  int maximum = 0;
  int thumbOffset = 0;
  int step = 1;
  bool dragging = false;
  int dragStartY = 0;
  int dragStartThumbY = 0;
  std::unique_ptr<NVVisualDesigner> trackDesigner;

 private:
  void connectHandlers();
  // The track and the two buttons, the bar's own children.
  std::array<NVWidget*, 3> ownChildren() const;
  // How far the thumb can travel inside the track, never negative.
  int thumbTravel() const;
  void placeThumb(int offset);
  void announceIfMoved(int previousPosition);
  void onTrackPress(NVEventState event);
  // Moves the position by one step up (-1) or down (1).
  void stepBy(int direction);
  // One step at the press, then a step every 50 ms after a 300 ms pause.
  void startRepeat(int direction);
  void stopRepeat();
};
