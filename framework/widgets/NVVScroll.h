// A vertical scroll bar: a track with a thumb between an up and a down
// button. It keeps an integer position between 0 and a maximum and raises
// NV_EV_CHANGED on itself whenever the position changes. Holding a button
// steps repeatedly; dragging the thumb or pressing the track moves by pixels.
#pragma once

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

  NVImage* trackImage = nullptr;
  NVWidget* track = nullptr;
  NVPushButton* upButton = nullptr;
  NVPushButton* downButton = nullptr;
  NVPushButton* thumb = nullptr;
  NVEventConnector* trackConnector = nullptr;
  NVEventConnector* upConnector = nullptr;
  NVEventConnector* downConnector = nullptr;
  NVEventConnector* thumbConnector = nullptr;
  NVAnimation* repeatAnimation = nullptr;
  int position = 0;
  int maximum = 0;
  int thumbOffset = 0;
  int step = 1;
  bool dragging = false;
  int dragStartY = 0;
  int dragStartThumbY = 0;
  NVVisualDesigner* trackDesigner = nullptr;

 private:
  void connectHandlers();
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
