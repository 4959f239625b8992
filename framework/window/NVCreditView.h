// The credit view: a modal 500 x 400 window with the application's name,
// version, rights line and credit lines, and the libraries the program is
// built on. A right double click on a window's title bar opens it.
#pragma once

#include "framework/compose/NVStringStyle.h"
#include "framework/core/NVEventState.h"
#include "framework/window/NVModal.h"

class NVStageBase;
class NVExWindow;
class NV2DStage;
class NV2DScene;
class NV2DItem;
class NVImage;
class NVTransParentLabel;
class NVListView;
class NVPushButton;
class NVEventConnector;
class NVWidget;

class NVCreditView : public NVModal {
 public:
  NVCreditView() = default;
  ~NVCreditView() override;

  // The process-wide view that openCreditView runs.
  static NVCreditView& instance();

  void open() override;
  void close() override;
  // The window's close request or the OK button: close, then end the loop.
  void onCreditClose(NVEventState event);

  NVExWindow* window = nullptr;
  NV2DStage* stage = nullptr;
  NV2DScene* scene = nullptr;
  NV2DItem* backgroundItem = nullptr;
  NVImage* backgroundImage = nullptr;
  NVTransParentLabel* nameLabel = nullptr;
  NVTransParentLabel* versionLabel = nullptr;
  NVTransParentLabel* rightsLabel = nullptr;
  NVTransParentLabel* creditHeading = nullptr;
  NVListView* creditList = nullptr;
  NVTransParentLabel* libraryHeading = nullptr;
  NVListView* libraryList = nullptr;
  NVPushButton* okButton = nullptr;
  NVEventConnector* windowConnector = nullptr;
  NVEventConnector* okConnector = nullptr;
  NVStringStyle nameStyle, versionStyle, rightsStyle;
  // The window the view was opened over, disabled while it is open.
  NVStageBase* owner = nullptr;

 private:
  void openWindow();
  void openBackground();
  void openLabels();
  void openLists();
  // Puts a widget on the background as a shown 2D item.
  void place(NVWidget* widget);
};

// Opens the credit view over `frame` (may be null), which is disabled until
// the view closes; returns then. Does nothing while the view is open.
void openCreditView(NVStageBase* frame);
