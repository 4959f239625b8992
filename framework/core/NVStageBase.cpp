#include "framework/core/NVStageBase.h"

#include <algorithm>
#include <mutex>

#include "framework/core/NVEngine.h"
#include "framework/core/NVEngineLock.h"
#include "framework/core/NVFrameCycle.h"
#include "framework/core/NVThreadMessages.h"
#include "platform/runtime/LockOrderWaits.h"

namespace {

std::atomic<int> gHeldDCs{0};

// Counts one more device context if fewer than six are held.
bool tryReserveDeviceContext() {
  int held = gHeldDCs.load();
  while (held <= 5)
    if (gHeldDCs.compare_exchange_weak(held, held + 1)) return true;
  return false;
}

// Counts one more device context once fewer than six are held; false when
// the engine stopped while waiting. Never called with a lock held: the
// holders of the others must be able to finish.
bool reserveDeviceContext(NVEngine* engine) {
  nvrt::mustNotHoldWhileWaiting(engineLock, "waiting for a device context");
  while (!tryReserveDeviceContext()) {
    if (!engine || !engine->acceptsWork()) return false;
    Sleep(1);
  }
  return true;
}

}  // namespace

int heldDeviceContexts() { return gHeldDCs.load(); }

NVStageBase::NVStageBase() {
  typeName = "NVStageBase";
  initOnce();
  NVEngine::ensureInstance();
  setWindowParams(WS_CHILD, 0, NVString("NV_WINDOW"), NVString(""));
  dirty.left = width;
  dirty.top = height;
}

NVStageBase::~NVStageBase() {
  if (engine) engine->forgetTarget(static_cast<NVStageBase*>(this));
  if (engine && !engine->isFinished()) {
    if (attached)
      detach();
    else if (parent)
      parent->removeChild(this);
  }
  children.clear();
}

bool NVStageBase::addDirtyRect(const NVRect& area) {
  if (created) {
    std::lock_guard lock(engineLock);
    dirty = dirty.joined(area);
  }
  return true;
}

bool NVStageBase::invalidate(bool whole) {
  if (whole) return addDirtyRect(0, 0, width, height);
  std::lock_guard lock(engineLock);
  return addDirtyRect(dirty);
}

bool NVStageBase::show() {
  if (!created) return false;
  if (shown) return true;
  shown = true;
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  return true;
}

bool NVStageBase::hide() {
  if (!created) return false;
  if (!shown) return true;
  shown = false;
  ShowWindow(hwnd, SW_HIDE);
  if (parent) parent->addDirtyRect(x, y, x + width, y + height);
  return true;
}

bool NVStageBase::moveBy(int dx, int dy) { return setRect(x + dx, y + dy, width, height); }

bool NVStageBase::moveTo(int newX, int newY) { return setRect(newX, newY, width, height); }

bool NVStageBase::setSize(int newWidth, int newHeight) { return setRect(x, y, newWidth, newHeight); }

bool NVStageBase::setRect(int newX, int newY, int newWidth, int newHeight) {
  if (newX == x && newY == y && newWidth == width && newHeight == height) return false;
  x = newX, y = newY, width = newWidth, height = newHeight;
  nvrt::mustNotHoldWhileWaiting(engineLock, "sending a resize to the window thread");
  if (HWND h = hwnd) SendMessageA(h, NVM_RESIZE, 0, reinterpret_cast<LPARAM>(this));
  return true;
}

void NVStageBase::setFocus() {
  if (!engine) return;
  {
    std::lock_guard lock(engineLock);
    if (engine->currentInput.focusStage == this) return;
  }
  engine->postToWindowThread(NVM_FOCUS, reinterpret_cast<LPARAM>(this));
  if (HWND h = hwnd) InvalidateRect(h, nullptr, FALSE);
  engine->requestFocus({this, nullptr, widget, nullptr});
}

void NVStageBase::setEnabled(bool on) {
  if (!created || !engine) {
    enabled = on;
    return;
  }
  nvrt::mustNotHoldWhileWaiting(engineLock, "waiting for the window thread to enable a window");
  while (enabled != on) {
    if (!engine->acceptsWork()) return;
    engine->postToWindowThread(on ? NVM_ENABLE : NVM_DISABLE, reinterpret_cast<LPARAM>(this));
    Sleep(1);
  }
}

void NVStageBase::attach(bool showIt, NVStageBase* newParent, NVEngine* newEngine) {
  if (created) return;
  engine = newEngine ? newEngine : NVEngine::instance;
  parent = newParent;
  attached = true;
  queueCreate();
  if (showIt) show();
}

void NVStageBase::detach() {
  if (!engine || !attached) return;
  while (!children.empty()) {
    NVStageBase* child = children.front();
    if (!removeChild(child)) children.remove(child);
  }
  queueDestroy();
  attached = false;
  parent = nullptr;
}

bool NVStageBase::addChild(NVStageBase* child, bool showIt) {
  if (!engine || !created || child->created) return false;
  if (child->typeName == "NVExWindow") {
    child->attach(showIt, this, engine);
    return true;
  }
  child->parent = this;
  child->engine = engine;
  child->queueCreate();
  children.push_back(child);
  if (showIt) child->show();
  return true;
}

bool NVStageBase::removeChild(NVStageBase* child) {
  if (!engine) return false;
  if (child->typeName == "NVExWindow") {
    child->detach();
    return true;
  }
  if (std::find(children.begin(), children.end(), child) == children.end()) return false;
  while (!child->children.empty()) {
    NVStageBase* grandchild = child->children.front();
    if (!child->removeChild(grandchild)) child->children.remove(grandchild);
  }
  child->queueDestroy();
  child->parent = nullptr;
  children.remove(child);
  return true;
}

bool NVStageBase::isEnabled() const { return enabled && (!parent || parent->isEnabled()); }

void NVStageBase::resetDirty() {
  std::lock_guard lock(engineLock);
  dirty = {width, height, 0, 0};
}

bool NVStageBase::isDirty() const {
  std::lock_guard lock(engineLock);
  return !dirty.isEmpty();
}

void NVStageBase::invalidateDirty() {
  RECT r;
  {
    std::lock_guard lock(engineLock);
    if (dirty.isEmpty()) return;
    r = {dirty.left, dirty.top, dirty.right, dirty.bottom};
  }
  if (HWND h = hwnd) InvalidateRect(h, &r, FALSE);
}

void NVStageBase::setCursor(HCURSOR newCursor) {
  cursor = newCursor;
  if (created && engine) engine->postToWindowThread(NVM_CURSOR, reinterpret_cast<LPARAM>(this));
}

void NVStageBase::setWindowParams(DWORD newStyle, DWORD newExStyle, const NVString& newClass,
                                  const NVString& newTitle) {
  style = newStyle;
  exStyle = newExStyle;
  className = newClass;
  title = newTitle;
  hwnd = nullptr;
  cursor = LoadCursorA(nullptr, IDC_ARROW);
  frameExtraWidth = 0;
  frameExtraHeight = 0;
}

HDC NVStageBase::acquireDC() { return reserveDeviceContext(engine) ? getReservedDC() : nullptr; }

HDC NVStageBase::tryAcquireDC() { return tryReserveDeviceContext() ? getReservedDC() : nullptr; }

HDC NVStageBase::getReservedDC() {
  HDC dc = hwnd ? GetDC(hwnd) : nullptr;
  if (!dc) --gHeldDCs;
  return dc;
}

void NVStageBase::releaseDC(HDC dc) {
  if (!dc) return;
  ReleaseDC(hwnd, dc);
  --gHeldDCs;
}

bool NVStageBase::queueCreate() {
  if (!engine || !engine->acceptsWork()) return false;
  {
    std::lock_guard lock(engineLock);
    engine->createQueue.push_back(this);
  }
  nvrt::mustNotHoldWhileWaiting(engineLock, "waiting for the window thread to create a window");
  while (!created) {
    if (!engine->acceptsWork()) {
      std::lock_guard lock(engineLock);
      auto& queue = engine->createQueue;
      queue.erase(std::remove(queue.begin(), queue.end(), this), queue.end());
      return false;
    }
    engine->postToWindowThread(NVM_CREATE);
    Sleep(1);
  }
  onCreated();
  return true;
}

bool NVStageBase::queueDestroy() {
  if (!engine || !engine->acceptsWork()) return false;
  {
    std::lock_guard lock(engineLock);
    engine->destroyQueue.push_back(this);
  }
  onDestroying();
  nvrt::mustNotHoldWhileWaiting(engineLock, "waiting for the window thread to destroy a window");
  while (created) {
    if (!engine->acceptsWork()) return false;
    engine->postToWindowThread(NVM_DESTROY);
    Sleep(1);
  }
  return true;
}

void NVStageBase::computeFrameExtras() {
  RECT r = {0, 0, width, height};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  frameExtraWidth = (r.right - r.left) - width;
  frameExtraHeight = (r.bottom - r.top) - height;
}

bool NVStageBase::createWindow(NVEngine* owner) {
  computeFrameExtras();
  HWND parentWindow = parent ? parent->hwnd.load() : nullptr;
  if (!attached && parentWindow)
    style |= WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  else
    style |= WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  HWND created_ = nullptr;
  while (!(created_ =
               CreateWindowExA(exStyle, className.cStr(), title.cStr(), style, x, y, width + frameExtraWidth,
                               height + frameExtraHeight, parentWindow, nullptr, GetModuleHandleA(nullptr), this))) {
    if (owner->isStopRequested()) return false;
    Sleep(1);
  }
  hwnd = created_;
  {
    std::lock_guard lock(engineLock);
    owner->windowMap[created_] = this;
    if (!owner->mainWindow) owner->mainWindow = this;
  }
  created = true;
  cursor = LoadCursorA(nullptr, IDC_ARROW);
  owner->postToWindowThread(NVM_CURSOR, reinterpret_cast<LPARAM>(this));
  invalidate(true);
  return true;
}

bool NVStageBase::destroyWindow(NVEngine* owner) {
  HWND h = hwnd;
  {
    std::lock_guard lock(engineLock);
    if (owner->mainWindow == this) owner->mainWindow = nullptr;
    NVStageBase* self = this;
    currentMainWindow.compare_exchange_strong(self, nullptr);
  }
  while (!DestroyWindow(h)) {
    {
      std::lock_guard lock(engineLock);
      if (owner->windowMap.find(h) == owner->windowMap.end() || owner->isStopRequested()) return false;
    }
    Sleep(1);
  }
  std::lock_guard lock(engineLock);
  owner->windowMap.erase(h);
  hwnd = nullptr;
  return true;
}

void NVStageBase::applyRect() {
  computeFrameExtras();
  MoveWindow(hwnd, x, y, width + frameExtraWidth, height + frameExtraHeight, TRUE);
}

// The paint area joins whatever the main thread composed and has not shown
// yet; the copy and the reset happen in one hold of the engine lock, so a
// change made meanwhile is either copied here or still dirty for the next
// frame's present.
void NVStageBase::paintFromWindow(HWND window) {
  PAINTSTRUCT ps;
  if (!reserveDeviceContext(engine)) {
    ValidateRect(window, nullptr);
    return;
  }
  HDC dc = BeginPaint(window, &ps);
  {
    std::lock_guard lock(engineLock);
    addDirtyRect(static_cast<int>(ps.rcPaint.left), static_cast<int>(ps.rcPaint.top),
                 static_cast<int>(ps.rcPaint.right), static_cast<int>(ps.rcPaint.bottom));
    paint(dc);
    resetDirty();
  }
  EndPaint(window, &ps);
  --gHeldDCs;
}
