// Creating, destroying and querying windows.
//  [x] CreateWindowExA: classes by name, WS_CHILD with a parent, top-level
//      windows with an owner, WS_VISIBLE, WS_DISABLED, WS_EX_ACCEPTFILES,
//      CW_USEDEFAULT; WM_NCCREATE, WM_CREATE (creation parameter), WM_SIZE,
//      WM_MOVE; failure when WM_NCCREATE returns FALSE or WM_CREATE -1
//  [x] DestroyWindow: owned windows first, then WM_DESTROY parent first and
//      WM_NCDESTROY children first; only from the creating thread
//  [x] rectangles, coordinate conversion, WindowFromPoint, styles, titles
//      (a top-level window's title reaches the display at creation)
//  [x] SetLayeredWindowAttributes/GetLayeredWindowAttributes: the constant
//      alpha of a WS_EX_LAYERED window, blended by the desktop read-back
//  [ ] layered colour keys, UpdateLayeredWindow, opacity on the sdl display
//  [ ] menus, WM_PARENTNOTIFY, WM_GETMINMAXINFO, WM_NCCALCSIZE
#include "platform/host/display/Display.h"
#include "platform/host/include/nvhost_layered.h"
#include "platform/host/user/ThreadQueue.h"
#include "platform/host/user/UserInternal.h"

using nvhost::HostLock;
using nvhost::WindowRecord;
using nvhost::WindowRegistry;

namespace {

constexpr int kDefaultX = 32;
constexpr int kDefaultY = 32;
constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;

WindowRecord* findOwn(HWND window, HostLock&) {
  WindowRecord* r = WindowRegistry::get().find(window);
  if (r == nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return r;
}

std::unique_ptr<WindowRecord> newRecord(const nvhost::ClassRecord& cls, DWORD exStyle, LPCSTR name, DWORD style,
                                        RECT rect, HWND parent) {
  auto r = std::make_unique<WindowRecord>();
  r->threadId = GetCurrentThreadId();
  r->cls = cls;
  r->proc = cls.proc;
  // Overlapped windows always have a caption, as on Windows.
  if (!(style & (WS_CHILD | WS_POPUP))) style |= WS_CAPTION | WS_CLIPSIBLINGS;
  r->style = style & ~WS_VISIBLE;
  r->exStyle = exStyle;
  r->title = name ? name : "";
  if (style & WS_CHILD) {
    r->parent = parent;
  } else if (parent != nullptr) {
    r->owner = WindowRegistry::get().topLevelOf(parent);
  }
  r->rect = rect;
  r->restoreRect = rect;
  return r;
}

RECT creationRect(DWORD style, int x, int y, int width, int height) {
  bool child = (style & WS_CHILD) != 0;
  if (x == CW_USEDEFAULT) {
    x = child ? 0 : kDefaultX;
    y = child ? 0 : kDefaultY;
  }
  if (width == CW_USEDEFAULT) {
    width = child ? 0 : kDefaultWidth;
    height = child ? 0 : kDefaultHeight;
  }
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  return RECT{x, y, x + width, y + height};
}

void sendSizeAndMove(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  POINT origin{0, 0};
  {
    HostLock lock(nvhost::hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr) return;
    RECT insets = nvhost::frameInsets(r->style, r->exStyle);
    origin = POINT{r->rect.left + insets.left, r->rect.top + insets.top};
  }
  SendMessageA(window, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
}

}  // namespace

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
  HWND window = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    nvhost::ThreadQueue::current();
    auto& registry = WindowRegistry::get();
    nvhost::ClassRecord* cls = (className && !IS_INTRESOURCE(className)) ? registry.findClass(className) : nullptr;
    if (cls == nullptr) {
      SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
      return nullptr;
    }
    if ((style & WS_CHILD) && registry.find(parent) == nullptr) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    RECT rect = creationRect(style, x, y, width, height);
    auto record = newRecord(*cls, exStyle, windowName, style, rect, parent);
    if (style & WS_CHILD) record->id = reinterpret_cast<LONG_PTR>(menu);
    window = registry.add(std::move(record)).handle;
  }
  CREATESTRUCTA cs{param,      instance,  menu,   parent, height, width, y, x, static_cast<LONG>(style),
                   windowName, className, exStyle};
  if (!SendMessageA(window, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) ||
      SendMessageA(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(window);
    return nullptr;
  }
  if (!IsWindow(window)) return nullptr;
  // The desktop names a top-level window by its title from the start
  // (taskbars, window switching, searches by name), not only once it
  // changes.
  if (!(style & WS_CHILD) && windowName != nullptr && *windowName != '\0') {
    nvhost::display().windowTitleChanged(window, windowName);
  }
  sendSizeAndMove(window);
  if (style & WS_MAXIMIZE) ShowWindow(window, SW_SHOWMAXIMIZED);
  if (style & WS_VISIBLE) ShowWindow(window, SW_SHOW);
  return IsWindow(window) ? window : nullptr;
}

namespace {

// Marks the windows that go down with `window` and returns them, parents
// first; null if the window cannot be destroyed by this thread.
bool collectForDestruction(HWND window, std::vector<HWND>& owned, std::vector<HWND>& tree) {
  HostLock lock(nvhost::hostMutex());
  auto& registry = WindowRegistry::get();
  WindowRecord* r = findOwn(window, lock);
  if (r == nullptr) return false;
  if (r->threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  if (r->destroying) return true;
  for (HWND top : registry.topLevels()) {
    WindowRecord* o = registry.find(top);
    if (o->owner == window && o->threadId == r->threadId && !o->destroying) owned.push_back(top);
  }
  tree = registry.subtree(window);
  for (HWND h : tree) registry.find(h)->destroying = true;
  return true;
}

void hideForDestruction(HWND window) {
  bool wasShownTopLevel = false;
  {
    HostLock lock(nvhost::hostMutex());
    auto& registry = WindowRegistry::get();
    WindowRecord* r = registry.find(window);
    if (r == nullptr || !r->visible()) return;
    wasShownTopLevel = !r->isChild();
    r->style &= ~WS_VISIBLE;
    if (WindowRecord* parent = registry.find(r->parent)) {
      nvhost::invalidateLocked(*parent, &r->rect, true);
    }
  }
  if (wasShownTopLevel) nvhost::display().windowHidden(window);
}

void removeRecord(HWND window) {
  std::vector<HDROP> drops;
  bool topLevel = false;
  {
    HostLock lock(nvhost::hostMutex());
    auto& registry = WindowRegistry::get();
    WindowRecord* r = registry.find(window);
    if (r == nullptr) return;
    topLevel = !r->isChild();
    if (auto q = nvhost::ThreadQueue::forThread(r->threadId)) drops = q->forgetWindow(window);
    registry.remove(window);
  }
  for (HDROP d : drops) DragFinish(d);
  if (topLevel) nvhost::display().windowDestroyed(window);
}

// WM_NCDESTROY goes to the children first, each after its own children.
void finalDestroy(HWND window) {
  std::vector<HWND> children;
  {
    HostLock lock(nvhost::hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr) return;
    children = r->children;
  }
  for (HWND child : children) finalDestroy(child);
  if (IsWindow(window)) SendMessageA(window, WM_NCDESTROY, 0, 0);
  removeRecord(window);
}

}  // namespace

BOOL DestroyWindow(HWND window) {
  std::vector<HWND> owned;
  std::vector<HWND> tree;
  if (!collectForDestruction(window, owned, tree)) return FALSE;
  if (tree.empty()) return TRUE;
  for (HWND o : owned) DestroyWindow(o);
  nvhost::loseInputState(window);
  hideForDestruction(window);
  for (HWND h : tree) {
    if (IsWindow(h)) SendMessageA(h, WM_DESTROY, 0, 0);
  }
  finalDestroy(window);
  return TRUE;
}

BOOL IsWindow(HWND window) {
  HostLock lock(nvhost::hostMutex());
  return WindowRegistry::get().find(window) != nullptr;
}

BOOL IsWindowVisible(HWND window) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = WindowRegistry::get().find(window);
  if (r == nullptr) return FALSE;
  for (; r != nullptr; r = WindowRegistry::get().find(r->parent)) {
    if (!r->visible()) return FALSE;
  }
  return TRUE;
}

BOOL IsChild(HWND parent, HWND window) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = WindowRegistry::get().find(window);
  return r != nullptr && r->parent != nullptr && WindowRegistry::get().isAncestor(parent, r->parent);
}

HWND GetParent(HWND window) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = findOwn(window, lock);
  if (r == nullptr) return nullptr;
  return r->isChild() ? r->parent : r->owner;
}

DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = findOwn(window, lock);
  if (r == nullptr) return 0;
  if (processId != nullptr) *processId = 1;
  return r->threadId;
}

BOOL IsIconic(HWND window) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = WindowRegistry::get().find(window);
  return r != nullptr && r->minimized();
}

BOOL SetLayeredWindowAttributes(HWND window, COLORREF, BYTE alpha, DWORD flags) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = findOwn(window, lock);
  if (r == nullptr) return FALSE;
  if ((r->exStyle & WS_EX_LAYERED) == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  r->layeredAlpha = (flags & LWA_ALPHA) != 0 ? alpha : 255;
  return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND window, COLORREF* key, BYTE* alpha, DWORD* flags) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = findOwn(window, lock);
  if (r == nullptr || (r->exStyle & WS_EX_LAYERED) == 0) return FALSE;
  if (key != nullptr) *key = 0;
  if (alpha != nullptr) *alpha = r->layeredAlpha;
  if (flags != nullptr) *flags = LWA_ALPHA;
  return TRUE;
}

BOOL IsZoomed(HWND window) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = WindowRegistry::get().find(window);
  return r != nullptr && r->maximized();
}

BOOL GetWindowRect(HWND window, LPRECT rect) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = findOwn(window, lock);
  if (r == nullptr || rect == nullptr) return FALSE;
  *rect = WindowRegistry::get().screenRect(*r);
  return TRUE;
}

BOOL GetClientRect(HWND window, LPRECT rect) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = findOwn(window, lock);
  if (r == nullptr || rect == nullptr) return FALSE;
  RECT c = WindowRegistry::get().clientScreenRect(*r);
  *rect = RECT{0, 0, c.right - c.left, c.bottom - c.top};
  return TRUE;
}

BOOL ScreenToClient(HWND window, LPPOINT point) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = findOwn(window, lock);
  if (r == nullptr || point == nullptr) return FALSE;
  RECT c = WindowRegistry::get().clientScreenRect(*r);
  point->x -= c.left;
  point->y -= c.top;
  return TRUE;
}

BOOL ClientToScreen(HWND window, LPPOINT point) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = findOwn(window, lock);
  if (r == nullptr || point == nullptr) return FALSE;
  RECT c = WindowRegistry::get().clientScreenRect(*r);
  point->x += c.left;
  point->y += c.top;
  return TRUE;
}

HWND WindowFromPoint(POINT point) {
  HostLock lock(nvhost::hostMutex());
  return WindowRegistry::get().windowAt(point);
}
