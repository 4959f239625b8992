#include "framework/window/NVExWindow.h"

#include <algorithm>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NV2DScene.h"
#include "framework/compose/NV2DStage.h"
#include "framework/compose/NVImage.h"
#include "framework/compose/NVStringStyle.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVEventConnector.h"
#include "framework/widgets/NVPainters.h"
#include "framework/widgets/NVPushButton.h"
#include "framework/widgets/NVSelectorGroup.h"
#include "framework/widgets/NVTheme.h"
#include "framework/widgets/NVVisualDesigner.h"

namespace {

constexpr int kTitleHeight = 28, kSide = 6, kBottom = 10;
constexpr int kMinWidth = 150, kMinHeight = 80, kMenuHeight = 18;

// "＿", "□" and "×" in code page 932.
const char kMinimizeCaption[] = "\x81\x51";
const char kMaximizeCaption[] = "\x81\xa0";
const char kCloseCaption[] = "\x81\x7e";

void (*const kEdgePainters[4])(NVImage*, int, int, int) = {paintFrameTop, paintFrameLeft, paintFrameRight,
                                                           paintFrameBottom};

// A picture shown by a 2D stage of its own, drawn by `painter`.
void makePiece(NVExWindow::Edge& piece, void (*painter)(NVImage*, int, int, int), int width, int height) {
  piece.image = std::make_unique<NVImage>();
  piece.stage = new NV2DStage(width, height, NVString(""));
  piece.scene = new NV2DScene();
  piece.item = new NV2DItem(0, 0, 0, width, height);
  piece.designer = std::make_unique<NVVisualDesigner>();
  piece.designer->setPainter(painter, 0);
}

void deletePiece(NVExWindow::Edge& piece) {
  delete piece.item;
  delete piece.scene;
  delete piece.stage;
  piece = {};
}

}  // namespace

NVExWindow::NVExWindow(int newX, int newY, int clientWidth, int clientHeight, NVString newTitle) {
  typeName = "NVExWindow";
  frameStage = new NVStageBase();
  frameStage->setWindowParams(WS_POPUP, 0, NVString("NV_WINDOW"), newTitle);
  title = newTitle;
  titleStyle = std::make_unique<NVStringStyle>();
  titleStyle->height = static_cast<int>(titleStyle->height * 1.15);
  titleStyle->bold = true;
  const std::uint32_t titleColour = getThemeColor(NVString("title"));
  titleStyle->setColor((titleColour >> 16) & 0xFF, (titleColour >> 8) & 0xFF, titleColour & 0xFF);
  for (int i = 0; i < 4; ++i) makePiece(edges[i], kEdgePainters[i], 1, 1);
  makePiece(menuBar, paintMenuBar, 1, 1);
  makePiece(dropDown, paintDropDown, 50, 50);
  // The drop-down is a top-level window owned by the frame, not a child.
  dropDown.stage->setWindowParams(WS_POPUP, 0, NVString("NV_OWNER"), NVString(""));
  menuGroup = std::make_unique<NVSelectorGroup>();
  titleLabel = std::make_unique<NVTransParentLabel>(kSide, kSide, 100, 22, newTitle);
  titleLabel->setTextStyle(titleStyle.get());
  minimizeButton = std::make_unique<NVPushButton>(0, 0, 24, 20, NVString(kMinimizeCaption));
  maximizeButton = std::make_unique<NVPushButton>(0, 0, 24, 20, NVString(kMaximizeCaption));
  closeButton = std::make_unique<NVPushButton>(0, 0, 30, 20, NVString(kCloseCaption));
  layout(clientWidth, newX, newY, clientHeight);
}

NVExWindow::~NVExWindow() {
  setWindowMenu(NVWindowMenu());
  detach();
  menuGroup.reset();
  deletePiece(dropDown);
  deletePiece(menuBar);
  closeButton.reset();
  maximizeButton.reset();
  minimizeButton.reset();
  titleLabel.reset();
  for (Edge& e : edges) deletePiece(e);
  titleStyle.reset();
  delete frameStage;
  // The frame is gone; the base destructor must not reach back into it.
  parent = nullptr;
}

void NVExWindow::layout(int w, int newX, int newY, int h) {
  RECT work = {0, 0, 1024, 768};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int workWidth = work.right - work.left, workHeight = work.bottom - work.top;
  const int frameWidth = std::max(std::min(w + 2 * kSide, workWidth), kMinWidth);
  const int bar = menuBarHeight();
  const int frameHeight = std::max(std::min(h + kTitleHeight + bar + kBottom, workHeight), kMinHeight);
  frameStage->setRect(newX, newY, frameWidth, frameHeight);
  const int clientWidth = frameWidth - 2 * kSide, clientHeight = frameHeight - kTitleHeight - bar - kBottom;
  NVStageBase::setRect(kSide, kTitleHeight + bar, clientWidth, clientHeight);
  layoutMenuBar(frameWidth);
  layoutEdges(frameWidth, frameHeight, clientHeight + bar);
  layoutTitle(frameWidth);
}

int NVExWindow::menuBarHeight() const { return menuTitles.empty() || menuBarHidden ? 0 : kMenuHeight; }

void NVExWindow::layoutMenuBar(int frameWidth) {
  if (menuBarHeight() == 0) {
    menuBar.stage->hide();
    return;
  }
  menuBar.designer->paint(menuBar.image.get(), frameWidth - 2 * kSide, kMenuHeight);
  menuBar.item->setRect(0, 0, menuBar.image->getWidth(), menuBar.image->getHeight());
  menuBar.item->setImage(menuBar.image.get());
  menuBar.item->invalidate(true);
  menuBar.stage->setRect(kSide, kTitleHeight, frameWidth - 2 * kSide, kMenuHeight);
  menuBar.stage->show();
}

// `sideHeight` is the height of the side edges: the client area's and the
// menu bar's together.
void NVExWindow::layoutEdges(int frameWidth, int frameHeight, int sideHeight) {
  const RECT places[4] = {{0, 0, frameWidth, kTitleHeight},
                          {0, kTitleHeight, kSide, sideHeight},
                          {frameWidth - kSide, kTitleHeight, kSide, sideHeight},
                          {0, frameHeight - kBottom, frameWidth, kBottom}};
  for (int i = 0; i < 4; ++i) {
    Edge& e = edges[i];
    const RECT& p = places[i];  // left, top, width, height
    e.designer->paint(e.image.get(), p.right, p.bottom);
    e.item->setRect(0, 0, e.image->getWidth(), e.image->getHeight());
    e.item->setImage(e.image.get());
    e.item->invalidate(true);
    e.stage->setRect(p.left, p.top, p.right, p.bottom);
  }
}

void NVExWindow::layoutTitle(int frameWidth) {
  const int labelWidth = frameWidth - 2 * kSide;
  titleLabel->setRect(kSide, kSide, labelWidth, 22);
  minimizeButton->setRect(labelWidth - 82, -2, 24, 20);
  maximizeButton->setRect(labelWidth - 56, -2, 24, 20);
  closeButton->setRect(labelWidth - 30, -2, 30, 20);
  const SIZE size = titleStyle->measure(titleLabel->getText());
  titleLabel->setTextOffset(labelWidth / 2 - size.cx / 2, 22 / 2 - size.cy / 2 - 2);
}

bool NVExWindow::show() {
  const bool frameShown = frameStage->show();
  if (!created) return false;
  if (!shown) {
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    shown = true;
  }
  return frameShown;
}

bool NVExWindow::hide() {
  const bool frameHidden = frameStage->hide();
  return NVStageBase::hide() && frameHidden;
}

bool NVExWindow::moveBy(int dx, int dy) { return frameStage->moveBy(dx, dy); }

bool NVExWindow::moveTo(int newX, int newY) { return frameStage->moveTo(newX, newY); }

bool NVExWindow::setRect(int newX, int newY, int newWidth, int newHeight) {
  layout(std::max(newWidth, kMinWidth), newX, newY, std::max(newHeight, kMinHeight));
  return true;
}

bool NVExWindow::setSize(int newWidth, int newHeight) {
  return setRect(frameStage->x, frameStage->y, newWidth, newHeight);
}

void NVExWindow::setEnabled(bool on) { frameStage->setEnabled(on); }

void NVExWindow::buildFrame() {
  frameStage->addChild(menuBar.stage, menuBarHeight() != 0);
  menuBar.stage->bindScene(menuBar.scene);
  menuBar.scene->addRoot(menuBar.item);
  dropDown.stage->attach(false, frameStage, engine);
  dropDown.stage->bindScene(dropDown.scene);
  dropDown.scene->addRoot(dropDown.item);
  for (Edge& e : edges) {
    frameStage->addChild(e.stage, true);
    e.stage->bindScene(e.scene);
    e.scene->addRoot(e.item);
  }
  NV2DItemBase::addChild(edges[Top].item, titleLabel->item2D(), true);
  titleLabel->onAttach();
  for (NVPushButton* button : {minimizeButton.get(), maximizeButton.get(), closeButton.get()})
    titleLabel->addChild(button, true);
}

void NVExWindow::attach(bool showIt, NVStageBase* newParent, NVEngine* newEngine) {
  if (created) return;
  frameStage->attach(showIt, newParent, newEngine);
  parent = frameStage;
  engine = frameStage->engine;
  queueCreate();
  frameStage->children.push_back(this);
  if (created && !shown) {
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    shown = true;
  }
  buildFrame();
  connectFrame();
  layout(width, frameStage->x, frameStage->y, height);
}

void NVExWindow::detach() {
  if (!frameStage->attached) return;
  connectors.clear();
  for (NVPushButton* button : {minimizeButton.get(), maximizeButton.get(), closeButton.get()})
    titleLabel->removeChild(button);
  if (NV2DItem* label = titleLabel->item2D()) label->detach();
  for (Edge& e : edges) {
    e.scene->removeRoot(e.item);
    frameStage->removeChild(e.stage);
  }
  dropDown.scene->removeRoot(dropDown.item);
  dropDown.stage->detach();
  menuBar.scene->removeRoot(menuBar.item);
  frameStage->removeChild(menuBar.stage);
  while (!children.empty()) {
    NVStageBase* child = children.front();
    if (!removeChild(child)) children.remove(child);
  }
  queueDestroy();
  frameStage->children.remove(this);
  parent = nullptr;
  frameStage->detach();
}

void NVExWindow::disableResize() {
  if (!created) return;
  resizable = false;
  edges[Top].stage->setCursor(LoadCursorA(nullptr, IDC_ARROW));
  invalidate(true);
}
