// A button with three generated faces (normal, pointer over, pressed) that
// follows the pointer and the left button. Code that wants the click connects
// its own handler for the left-button release and applies the same inside test.
#pragma once

#include <memory>

#include "framework/core/NVEventState.h"
#include "framework/widgets/NVTransParentLabel.h"

class NVImage;
class NVVisualDesigner;
class NVEventConnector;

struct NVPoint {
  int x, y;
};

class NVPushButton : public NVTransParentLabel {
 public:
  NVPushButton(int x, int y, int width, int height, NVString text);
  ~NVPushButton() override;

  void onAttach() override;
  void onResize(int width, int height) override;
  void onEnableChanged(bool effective) override;

  // The caption offset that centres the caption in the face.
  NVPoint centreText() const;
  // Whether a release event happened on this button, inside its face.
  bool isInside(const NVEventState& event) const;

  void onPointerEnter(NVEventState event);
  void onPointerLeave(NVEventState event);
  void onPress(NVEventState event);
  void onRelease(NVEventState event);

  std::unique_ptr<NVImage> normalFace;
  std::unique_ptr<NVImage> pressedFace;
  std::unique_ptr<NVImage> hoverFace;
  std::unique_ptr<NVEventConnector> connector;
  std::unique_ptr<NVVisualDesigner> normalDesigner;
  std::unique_ptr<NVVisualDesigner> hoverDesigner;
  std::unique_ptr<NVVisualDesigner> pressedDesigner;

 private:
  void paintFaces();
};
