// The host's record of every window and class, and the desktop state that
// goes with them (pointer, keys, focus, activation, capture). Everything here
// is guarded by hostMutex(): take it, read or change the records, and let it
// go before calling any window procedure or display driver.
//
// This header is internal to the host; gdi reads window geometry, visibility,
// z-order, styles and update regions from it.
#pragma once

#include <memory>
#include <mutex>

#include "platform/runtime/RankedMutex.h"
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/host/include/nvhost_win32.h"

namespace nvhost {

// The host's own lock. It is a leaf: no other lock is taken while it is held,
// and no window procedure or display call runs under it.
nvrt::RankedMutex& hostMutex();
using HostLock = std::unique_lock<nvrt::RankedMutex>;

struct ClassRecord {
  std::string name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  HBRUSH background = nullptr;
  HCURSOR cursor = nullptr;
  HICON icon = nullptr;
  HINSTANCE instance = nullptr;
};

// The input-method state of one window.
struct ImeState {
  bool open = false;
  LOGFONTA font{};
  COMPOSITIONFORM form{};
  std::string result;
};

struct WindowRecord {
  HWND handle = nullptr;
  DWORD threadId = 0;
  ClassRecord cls;
  WNDPROC proc = nullptr;
  DWORD style = 0;  // WS_VISIBLE, WS_DISABLED, WS_MINIMIZE, WS_MAXIMIZE track the state
  DWORD exStyle = 0;
  BYTE layeredAlpha = 255;  // SetLayeredWindowAttributes, for WS_EX_LAYERED windows
  std::string title;
  HWND parent = nullptr;       // set for WS_CHILD windows only
  HWND owner = nullptr;        // set for top-level windows created with a parent
  std::vector<HWND> children;  // z-order, topmost first
  RECT rect{};                 // parent's client coordinates (child) or screen
  RECT restoreRect{};          // rectangle before maximizing or minimizing
  RECT update{};               // pending update area, client coordinates
  bool updateErase = false;
  bool destroying = false;
  HCURSOR cursor = nullptr;  // last cursor set while the pointer was over it
  LONG_PTR userData = 0;
  LONG_PTR id = 0;
  ImeState ime;

  bool visible() const { return (style & WS_VISIBLE) != 0; }
  bool enabled() const { return (style & WS_DISABLED) == 0; }
  bool isChild() const { return (style & WS_CHILD) != 0; }
  bool minimized() const { return (style & WS_MINIMIZE) != 0; }
  bool maximized() const { return (style & WS_MAXIMIZE) != 0; }
};

// Pointer, keyboard and window-manager state of the one desktop.
struct DesktopState {
  RECT desktop{0, 0, 1280, 1024};
  RECT workArea{0, 0, 1280, 1024};
  POINT pointer{0, 0};
  BYTE keys[256] = {};
  HWND focus = nullptr;
  HWND active = nullptr;
  HWND capture = nullptr;
  HCURSOR cursor = nullptr;
  UINT caretBlinkTime = 530;
  // The last press, for double clicks.
  HWND lastDownWindow = nullptr;
  UINT lastDownMessage = 0;
  DWORD lastDownTime = 0;
  POINT lastDownPoint{0, 0};
};

class WindowRegistry {
 public:
  // The one registry; the caller holds hostMutex().
  static WindowRegistry& get();

  WindowRecord* find(HWND handle);
  // Takes the record, gives it a fresh handle (never reused) and links it
  // into the z-order: top-level windows on top, children at the bottom of
  // their siblings.
  WindowRecord& add(std::unique_ptr<WindowRecord> record);
  void remove(HWND handle);

  ClassRecord* findClass(std::string_view name);
  bool addClass(const ClassRecord& cls);
  bool removeClass(std::string_view name);

  // Top-level windows, topmost first.
  std::vector<HWND>& topLevels() { return topLevels_; }
  // The sibling list (z-order) a window is linked into.
  std::vector<HWND>& siblingsOf(const WindowRecord& record);
  void raise(HWND handle);

  DesktopState& desktop() { return desktop_; }

  // Geometry in screen coordinates.
  RECT screenRect(const WindowRecord& record);
  RECT clientScreenRect(const WindowRecord& record);
  POINT clientOrigin(const WindowRecord& record);
  // The window is visible and so are all its ancestors.
  bool shownOnScreen(const WindowRecord& record);
  HWND topLevelOf(HWND handle);
  bool isAncestor(HWND ancestor, HWND handle);
  // The window WindowFromPoint reports: top-level z-order, then visible and
  // enabled children, topmost first.
  HWND windowAt(POINT screen);
  // Every window of a thread, parents before children.
  std::vector<HWND> windowsOfThread(DWORD threadId);
  // A window and its descendants, parents before children.
  std::vector<HWND> subtree(HWND handle);

 private:
  std::unordered_map<HWND, std::unique_ptr<WindowRecord>> windows_;
  std::vector<ClassRecord> classes_;
  std::vector<HWND> topLevels_;
  DesktopState desktop_;
  std::uintptr_t nextHandle_ = 0x10020;
};

// Frame thickness that a style adds around the client area (left, top,
// right, bottom), the caption included.
RECT frameInsets(DWORD style, DWORD exStyle);
bool rectIsEmpty(const RECT& r);
bool pointInRect(const RECT& r, POINT p);
RECT intersectRects(const RECT& a, const RECT& b);
RECT unionRects(const RECT& a, const RECT& b);

}  // namespace nvhost
