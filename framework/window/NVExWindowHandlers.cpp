// What the frame of an NVExWindow does with the pointer: moving by the title
// bar, resizing by edges and corners, the buttons, and the credit view.
#include <algorithm>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NV2DStage.h"
#include "framework/core/NVEventConnector.h"
#include "framework/core/NVEventDispatch.h"
#include "framework/window/NVCreditView.h"
#include "framework/widgets/NVPushButton.h"
#include "framework/window/NVExWindow.h"

namespace {

constexpr int kMinWidth = 150, kMinHeight = 80, kGrip = 6, kBottom = 10;

}  // namespace

void NVExWindow::connectFrame() {
  auto make = [this](auto* target) {
    connectors.push_back(std::make_unique<NVEventConnector>(target));
    return connectors.back().get();
  };
  NVEventConnector* top = make(edges[Top].item);
  top->connect(NV_EV_LDOWN, [this](NVEventState e) { onTitlePress(e, false); });
  top->connect(NV_EV_MOVE, [this](NVEventState e) { onTitleMove(e); });
  top->connect(NV_EV_LUP, [this](NVEventState e) { onTitleRelease(e); });
  top->connect(NV_EV_RDOUBLE, [this](NVEventState e) { onCreditRequest(e); });
  NVEventConnector* label = make(titleLabel.get());
  label->connect(NV_EV_LDOWN, [this](NVEventState e) { onTitlePress(e, true); });
  label->connect(NV_EV_RDOUBLE, [this](NVEventState e) { onCreditRequest(e); });
  label->connect(NV_EV_MOVE, [this](NVEventState e) { onLabelMove(e); });
  label->connect(NV_EV_LUP, [this](NVEventState e) { onLabelRelease(e); });
  for (EdgeIndex edge : {Left, Right, Bottom}) {
    NVEventConnector* c = make(edges[edge].item);
    c->connect(NV_EV_LDOWN, [this, edge](NVEventState e) { onEdgePress(e, edge); });
    c->connect(NV_EV_MOVE, [this, edge](NVEventState e) { onEdgeMove(e, edge); });
    c->connect(NV_EV_LUP, [this](NVEventState e) { onEdgeRelease(e); });
  }
  // The buttons act only on a release inside them, as on every desktop: a
  // press that slides off and is released elsewhere does nothing.
  make(minimizeButton.get())->connect(NV_EV_LUP, [this](NVEventState e) {
    if (minimizeButton->isInside(e)) minimize();
  });
  make(maximizeButton.get())->connect(NV_EV_LUP, [this](NVEventState e) {
    if (maximizeButton->isInside(e)) toggleMaximize();
  });
  make(closeButton.get())->connect(NV_EV_LUP, [this](NVEventState e) {
    if (closeButton->isInside(e)) requestClose();
  });
  make(dropDown.stage)->connect(NV_EV_BLUR, [this](NVEventState e) { closeDropDown(e); });
}

void NVExWindow::takePressSnapshot(const NVEventState& event) {
  pressScreenX = static_cast<int>(event.screenX);
  pressScreenY = static_cast<int>(event.screenY);
  pressFrameX = frameStage->x;
  pressFrameY = frameStage->y;
  pressWidth = width;
  pressHeight = height;
}

NVExWindow::ResizeMode NVExWindow::modeAt(EdgeIndex edge, double lx, double ly, const char*& cursor) const {
  const int w = frameStage->width;
  cursor = IDC_ARROW;
  if (edge == Top) {
    if (lx < kGrip && ly < kGrip) return cursor = IDC_SIZENWSE, ResizeMode::TopLeft;
    if (lx > w - kGrip && ly < kGrip) return cursor = IDC_SIZENESW, ResizeMode::TopRight;
    if (lx < kGrip) return cursor = IDC_SIZEWE, ResizeMode::Left;
    if (lx > w - kGrip) return cursor = IDC_SIZEWE, ResizeMode::Right;
    if (ly >= kGrip) return ResizeMode::None;  // moving
    return cursor = IDC_SIZENS, ResizeMode::Top;
  }
  if (edge == Left) return cursor = IDC_SIZEWE, ResizeMode::Left;
  if (edge == Right) return cursor = IDC_SIZEWE, ResizeMode::Right;
  if (lx < kGrip && ly > kBottom - kGrip) return cursor = IDC_SIZENESW, ResizeMode::BottomLeft;
  if (lx > w - kGrip && ly > kBottom - kGrip) return cursor = IDC_SIZENWSE, ResizeMode::BottomRight;
  if (lx < kGrip) return cursor = IDC_SIZEWE, ResizeMode::Left;
  if (lx > w - kGrip) return cursor = IDC_SIZEWE, ResizeMode::Right;
  if (ly > kBottom - kGrip) return cursor = IDC_SIZENS, ResizeMode::Bottom;
  return ResizeMode::None;
}

void NVExWindow::setEdgeCursor(EdgeIndex edge, const char* cursor) {
  edges[edge].stage->setCursor(LoadCursorA(nullptr, cursor));
}

void NVExWindow::onTitlePress(NVEventState event, bool onLabel) {
  if (event.flag && maximizeOnDoubleClick) {
    toggleMaximize();
    return;
  }
  if (maximized) return;
  takePressSnapshot(event);
  if (onLabel || !resizable) {
    moving = true;
    setEdgeCursor(Top, IDC_ARROW);
    return;
  }
  const char* cursor = IDC_ARROW;
  resizeMode = modeAt(Top, event.localX, event.localY, cursor);
  moving = resizeMode == ResizeMode::None;
  setEdgeCursor(Top, cursor);
}

void NVExWindow::onEdgePress(NVEventState event, EdgeIndex edge) {
  if (maximized) return;
  takePressSnapshot(event);
  if (!resizable) {
    resizeMode = ResizeMode::None;
    if (edge == Bottom) setEdgeCursor(Bottom, IDC_ARROW);
    return;
  }
  const char* cursor = IDC_ARROW;
  resizeMode = modeAt(edge, event.localX, event.localY, cursor);
  setEdgeCursor(edge, cursor);
}

// Applies the drag of an edge or corner: the opposite edges stay put.
void NVExWindow::applyResize(const NVEventState& event) {
  const int dx = static_cast<int>(event.screenX) - pressScreenX;
  const int dy = static_cast<int>(event.screenY) - pressScreenY;
  int newWidth = width, newHeight = height, newX = frameStage->x, newY = frameStage->y;
  using M = ResizeMode;
  const M mode = resizeMode;
  const bool left = mode == M::Left || mode == M::TopLeft || mode == M::BottomLeft;
  const bool right = mode == M::Right || mode == M::TopRight || mode == M::BottomRight;
  const bool topEdge = mode == M::Top || mode == M::TopLeft || mode == M::TopRight;
  const bool bottom = mode == M::Bottom || mode == M::BottomLeft || mode == M::BottomRight;
  if (left) newWidth = std::max(pressWidth - dx, kMinWidth), newX = frameStage->x + width - newWidth;
  if (right) newWidth = std::max(pressWidth + dx, kMinWidth);
  if (topEdge) newHeight = std::max(pressHeight - dy, kMinHeight), newY = frameStage->y + height - newHeight;
  if (bottom) newHeight = std::max(pressHeight + dy, kMinHeight);
  layout(newWidth, newX, newY, newHeight);
}

void NVExWindow::followPointer(const NVEventState& event, EdgeIndex edge) {
  if (resizeMode != ResizeMode::None) {
    applyResize(event);
    return;
  }
  if (moving) {
    moveTo(pressFrameX + static_cast<int>(event.screenX) - pressScreenX,
           pressFrameY + static_cast<int>(event.screenY) - pressScreenY);
    setEdgeCursor(edge, IDC_ARROW);
    return;
  }
  const char* cursor = IDC_ARROW;
  if (!maximized && resizable) modeAt(edge, event.localX, event.localY, cursor);
  setEdgeCursor(edge, cursor);
}

void NVExWindow::onTitleMove(NVEventState event) { followPointer(event, Top); }

void NVExWindow::onEdgeMove(NVEventState event, EdgeIndex edge) { followPointer(event, edge); }

void NVExWindow::onTitleRelease(NVEventState event) {
  if (resizeMode != ResizeMode::None) {
    onEdgeRelease(event);
    return;
  }
  onLabelRelease(event);
}

void NVExWindow::onLabelMove(NVEventState event) {
  if (moving)
    moveTo(pressFrameX + static_cast<int>(event.screenX) - pressScreenX,
           pressFrameY + static_cast<int>(event.screenY) - pressScreenY);
  setEdgeCursor(Top, IDC_ARROW);
}

void NVExWindow::onLabelRelease(NVEventState event) {
  if (!moving) return;
  moveTo(pressFrameX + static_cast<int>(event.screenX) - pressScreenX,
         pressFrameY + static_cast<int>(event.screenY) - pressScreenY);
  moving = false;
  setFocus();
  invalidate(true);
}

void NVExWindow::onEdgeRelease(NVEventState) {
  if (resizeMode == ResizeMode::None) return;
  resizeMode = ResizeMode::None;
  setFocus();
  layout(width, frameStage->x, frameStage->y, height);
}

void NVExWindow::toggleMaximize() {
  if (!maximized) {
    restoreX = frameStage->x, restoreY = frameStage->y;
    restoreWidth = width, restoreHeight = height;
    if (frameStage->hwnd) ShowWindow(frameStage->hwnd, SW_SHOWMAXIMIZED);
    RECT work = {0, 0, 1024, 768};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    // At the work area's origin, not (0, 0): a panel at the top or left of
    // the desktop would otherwise cover the title bar.
    layout(work.right - work.left, work.left, work.top, work.bottom - work.top);
    maximized = true;
  } else {
    if (frameStage->hwnd) ShowWindow(frameStage->hwnd, SW_SHOWNORMAL);
    layout(restoreWidth, restoreX, restoreY, restoreHeight);
    maximized = false;
  }
}

void NVExWindow::minimize() {
  if (frameStage->hwnd) ShowWindow(frameStage->hwnd, SW_SHOWMINIMIZED);
}

void NVExWindow::requestClose() {
  if (engine) raiseCloseRequest(this);
}

void NVExWindow::onCreditRequest(NVEventState) {
  openCreditView(frameStage);
  frameStage->setFocus();
}
