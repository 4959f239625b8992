// The application's main window with a frame the framework draws itself: a
// borderless popup (the frame window) carrying a title bar with the title and
// minimize, maximize and close buttons, thin edges, and the client area as a
// child window. The NVExWindow object is the client-area stage: its events,
// drops on it and the close button's request all arrive here.
#pragma once

#include <memory>
#include <vector>

#include "framework/core/NVEventState.h"
#include "framework/widgets/NVWindowMenu.h"
#include "framework/core/NVStageBase.h"

class NVImage;
class NV2DStage;
class NV2DScene;
class NV2DItem;
class NVTransParentLabel;
class NVPushButton;
class NVEventConnector;
class NVStringStyle;
class NVVisualDesigner;
class NVSelector;
class NVSelectorGroup;

class NVExWindow : public NVStageBase {
 public:
  NVExWindow(int x, int y, int clientWidth, int clientHeight, NVString title);
  ~NVExWindow() override;

  bool show() override;
  bool hide() override;
  bool moveBy(int dx, int dy) override;
  bool moveTo(int x, int y) override;
  bool setRect(int x, int y, int width, int height) override;
  bool setSize(int width, int height) override;
  void setEnabled(bool on) override;
  void attach(bool show, NVStageBase* parent, NVEngine* engine) override;
  void detach() override;

  void disableResize();
  void toggleMaximize();
  void minimize();
  void requestClose();
  // Replaces the menu bar and its drop-downs; an empty menu removes the bar.
  void setWindowMenu(NVWindowMenu menu);
  // A title got the focus: show its column's drop-down under it.
  void openDropDown(NVEventState event);
  // The drop-down lost the focus: send the chosen entry's command, if any.
  void closeDropDown(NVEventState event);
  // Hides the menu bar and the minimize and maximize buttons (dialog-like
  // windows that only close).
  void hideMenuAndSizeButtons();

  // One frame edge: its picture, the 2D stage that shows it, its scene and item.
  // The stage, scene and item are linked into the frame and are taken apart
  // by hand; the picture and its designer are the piece's own.
  struct Edge {
    std::unique_ptr<NVImage> image;
    NV2DStage* stage = nullptr;
    NV2DScene* scene = nullptr;
    NV2DItem* item = nullptr;
    std::unique_ptr<NVVisualDesigner> designer;
  };
  enum EdgeIndex { Top, Left, Right, Bottom };
  // What a drag on the frame resizes: one edge or a corner (two edges).
  enum class ResizeMode : int {
    None = 0,
    Left = 1,
    Right = 2,
    Top = 3,
    Bottom = 4,
    TopLeft = 11,
    TopRight = 12,
    BottomLeft = 13,
    BottomRight = 14,
  };

  NVStageBase* frameStage = nullptr;
  Edge edges[4];
  std::unique_ptr<NVTransParentLabel> titleLabel;
  std::unique_ptr<NVPushButton> minimizeButton;
  std::unique_ptr<NVPushButton> maximizeButton;
  std::unique_ptr<NVPushButton> closeButton;
  std::unique_ptr<NVStringStyle> titleStyle;
  std::vector<std::unique_ptr<NVEventConnector>> connectors;

  // The menu bar under the title bar and the drop-down of one column, each a
  // picture in a 2D stage of its own.
  Edge menuBar, dropDown;
  std::unique_ptr<NVSelectorGroup> menuGroup;
  std::vector<NVSelector*> menuTitles;
  std::vector<std::unique_ptr<NVEventConnector>> menuTitleConnectors;
  std::vector<std::unique_ptr<NVSelectorGroup>> columnGroups;
  std::vector<NVSelector*> menuEntries;
  std::vector<int> commandIds;
  std::vector<int> entryCounts;
  std::vector<SIZE> dropDownSizes;
  // The column whose entries the drop-down shows, or -1.
  int openColumn = -1;
  bool menuBarHidden = false;

  bool moving = false;
  ResizeMode resizeMode = ResizeMode::None;
  int pressScreenX = 0, pressScreenY = 0;
  int pressFrameX = 0, pressFrameY = 0;
  int pressWidth = 0, pressHeight = 0;
  int restoreX = 0, restoreY = 0, restoreWidth = 0, restoreHeight = 0;
  bool maximized = false;
  bool maximizeOnDoubleClick = true;
  bool resizable = true;

 private:
  void layout(int width, int x, int y, int height);
  void layoutEdges(int frameWidth, int frameHeight, int clientHeight);
  void layoutTitle(int frameWidth);
  void layoutMenuBar(int frameWidth);
  int menuBarHeight() const;
  void tearDownMenu();
  void addMenuColumn(const NVWindowMenuColumn& column, int& titleX);
  // The column of the title the menu bar has chosen, or -1.
  int chosenColumn() const;
  bool titleHasFocus() const;
  void buildFrame();
  void connectFrame();
  void takePressSnapshot(const NVEventState& event);
  void onTitlePress(NVEventState event, bool onLabel);
  void onTitleMove(NVEventState event);
  void onTitleRelease(NVEventState event);
  // The title label only moves the window: no resizing, no resize cursors.
  void onLabelMove(NVEventState event);
  void onLabelRelease(NVEventState event);
  void onEdgePress(NVEventState event, EdgeIndex edge);
  void onEdgeMove(NVEventState event, EdgeIndex edge);
  void onEdgeRelease(NVEventState event);
  void applyResize(const NVEventState& event);
  void followPointer(const NVEventState& event, EdgeIndex edge);
  // The resize mode and cursor the press rules choose at a point of an edge.
  ResizeMode modeAt(EdgeIndex edge, double localX, double localY, const char*& cursor) const;
  void setEdgeCursor(EdgeIndex edge, const char* cursor);
  void onCreditRequest(NVEventState event);
};
