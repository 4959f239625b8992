// A stage: anything that owns a native window. It holds the window's
// rectangle, style, class and title, its parent and children and its dirty
// rectangle, and asks the engine's window thread to create and destroy the
// window through a handshake. Painting is pulled: operations only widen the
// dirty rectangle; the frame cycle turns it into window invalidations, and the
// paint message calls paint() with a device context.
#pragma once

#include <atomic>
#include <list>

#include "framework/core/NVGUICoreObject.h"
#include "framework/core/NVRect.h"
#include "framework/core/NVString.h"
#include "platform/win32.h"

class NVEngine;
class NVWidget;

// What a stage is, for the engine's hit tests and the item hooks.
enum class NVStageKind : int {
  Plain = 1,    // a stage without items, or a widget's stage item
  Scene2D = 2,  // a 2D stage, whose scene holds items
};

class NVStageBase : public virtual NVGUICoreObject {
 public:
  NVStageBase();
  ~NVStageBase() override;

  // Widens the dirty rectangle to hold area (nothing before the window exists).
  virtual bool addDirtyRect(const NVRect& area);
  bool addDirtyRect(int left, int top, int right, int bottom) { return addDirtyRect(NVRect{left, top, right, bottom}); }
  virtual bool invalidate(bool whole);
  virtual bool show();
  virtual bool hide();
  virtual bool moveBy(int dx, int dy);
  virtual bool moveTo(int x, int y);
  virtual bool setRect(int x, int y, int width, int height);
  virtual bool setSize(int width, int height);
  virtual void setFocus();
  virtual void setEnabled(bool on);
  virtual void attach(bool show, NVStageBase* parent, NVEngine* engine);
  virtual void detach();
  virtual void onCreated() {}
  virtual void onDestroying() {}
  virtual void invalidateDirty();
  virtual void paint(HDC dc) { (void)dc; }

  bool addChild(NVStageBase* child, bool show);
  bool removeChild(NVStageBase* child);
  bool isEnabled() const;
  void resetDirty();
  bool isDirty() const;
  void setCursor(HCURSOR cursor);
  void setWindowParams(DWORD style, DWORD exStyle, const NVString& className, const NVString& title);
  // A device context of the window, at most six held at once: waits while
  // six are held; null if the window is gone or the engine stopped waiting.
  // Never called with the engine lock held.
  HDC acquireDC();
  // The same without waiting: null when six are held, so that a caller
  // holding the engine lock cannot stall the threads that would give one back.
  HDC tryAcquireDC();
  void releaseDC(HDC dc);

  // Main thread: queue the window's creation or destruction and wait for it.
  bool queueCreate();
  bool queueDestroy();

  // Window thread.
  bool createWindow(NVEngine* engine);
  bool destroyWindow(NVEngine* engine);
  void applyRect();
  void paintFromWindow(HWND hwnd);

  NVEngine* engine = nullptr;
  NVStageBase* parent = nullptr;
  NVWidget* widget = nullptr;
  std::list<NVStageBase*> children;
  std::atomic<int> x{0}, y{0};
  std::atomic<int> width{300}, height{300};
  NVStageKind stageKind = NVStageKind::Plain;
  std::atomic<HWND> hwnd{nullptr};
  NVString title;
  NVString className;
  DWORD style = 0, exStyle = 0;
  std::atomic<HCURSOR> cursor{nullptr};
  std::atomic<int> frameExtraWidth{0}, frameExtraHeight{0};
  std::atomic<bool> created{false};
  std::atomic<bool> shown{false};
  std::atomic<bool> imeOpen{false};
  bool attached = false;
  std::atomic<bool> enabled{true};
  bool passToParent = false;
  // Guarded by the engine lock; a bound scene widens it through a pointer.
  // Empty while right <= left or bottom <= top.
  NVRect dirty{300, 300, 0, 0};

 private:
  void computeFrameExtras();
  // The window's device context for a place already counted; uncounts it
  // again when there is no window.
  HDC getReservedDC();
};

// Device contexts held through acquireDC and painting, process-wide.
int heldDeviceContexts();
