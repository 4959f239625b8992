// A caption that can be chosen: a translucent highlight follows the pointer
// and turns opaque, and stays, while the selector is its group's choice.
#pragma once

#include <memory>

#include "framework/core/NVEventState.h"
#include "framework/widgets/NVTransParentLabel.h"

class NVImage;
class NVEventConnector;
class NVSelectorGroup;
class NVVisualDesigner;

class NVSelector : public NVTransParentLabel {
 public:
  NVSelector(NVSelectorGroup* group, int x, int y, int width, int height, NVString text);
  ~NVSelector() override;

  void onAttach() override;
  void onResize(int width, int height) override;

  // Called by the group: shows the opaque highlight, or none.
  void setChosen(bool on);

  std::unique_ptr<NVImage> highlight;
  std::unique_ptr<NVEventConnector> connector;
  NVSelectorGroup* group = nullptr;
  bool chosen = false;
  std::unique_ptr<NVVisualDesigner> designer;

 private:
  void setHighlightAlpha(int alpha);
  void paintHighlight();
};
