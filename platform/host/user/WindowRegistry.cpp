// The window and class records of the host.
//  [x] handles that are never reused, z-order per sibling list
//  [x] hit testing over top-level z-order, then children
//  [ ] WS_EX_TOPMOST bands, window regions
#include "platform/host/user/WindowRegistry.h"

#include <algorithm>
#include <strings.h>

namespace nvhost {

nvrt::RankedMutex& hostMutex() {
  // Never destroyed: threads may still be ending while the process exits.
  static auto* mutex = new nvrt::RankedMutex(nvrt::LockRank::host, "hostMutex");
  return *mutex;
}

WindowRegistry& WindowRegistry::get() {
  static auto* registry = new WindowRegistry;
  return *registry;
}

WindowRecord* WindowRegistry::find(HWND handle) {
  auto it = windows_.find(handle);
  return it == windows_.end() ? nullptr : it->second.get();
}

WindowRecord& WindowRegistry::add(std::unique_ptr<WindowRecord> record) {
  record->handle = reinterpret_cast<HWND>(nextHandle_);
  nextHandle_ += 4;
  WindowRecord& added = *record;
  windows_[added.handle] = std::move(record);
  if (WindowRecord* parent = find(added.parent)) {
    parent->children.push_back(added.handle);
  } else {
    topLevels_.insert(topLevels_.begin(), added.handle);
  }
  return added;
}

void WindowRegistry::remove(HWND handle) {
  WindowRecord* record = find(handle);
  if (record == nullptr) return;
  auto& siblings = siblingsOf(*record);
  siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
  for (auto& [other, rec] : windows_) {
    if (rec->owner == handle) rec->owner = nullptr;
  }
  DesktopState& d = desktop_;
  if (d.focus == handle) d.focus = nullptr;
  if (d.active == handle) d.active = nullptr;
  if (d.capture == handle) d.capture = nullptr;
  if (d.lastDownWindow == handle) d.lastDownWindow = nullptr;
  windows_.erase(handle);
}

ClassRecord* WindowRegistry::findClass(std::string_view name) {
  for (auto& cls : classes_) {
    if (cls.name.size() == name.size() && strncasecmp(cls.name.c_str(), name.data(), name.size()) == 0) {
      return &cls;
    }
  }
  return nullptr;
}

bool WindowRegistry::addClass(const ClassRecord& cls) {
  if (findClass(cls.name) != nullptr) return false;
  classes_.push_back(cls);
  return true;
}

bool WindowRegistry::removeClass(std::string_view name) {
  ClassRecord* cls = findClass(name);
  if (cls == nullptr) return false;
  classes_.erase(classes_.begin() + (cls - classes_.data()));
  return true;
}

std::vector<HWND>& WindowRegistry::siblingsOf(const WindowRecord& record) {
  if (WindowRecord* parent = find(record.parent)) return parent->children;
  return topLevels_;
}

void WindowRegistry::raise(HWND handle) {
  WindowRecord* record = find(handle);
  if (record == nullptr) return;
  auto& siblings = siblingsOf(*record);
  siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
  siblings.insert(siblings.begin(), handle);
}

POINT WindowRegistry::clientOrigin(const WindowRecord& record) {
  RECT screen = screenRect(record);
  RECT insets = frameInsets(record.style, record.exStyle);
  return POINT{screen.left + insets.left, screen.top + insets.top};
}

RECT WindowRegistry::screenRect(const WindowRecord& record) {
  RECT r = record.rect;
  if (WindowRecord* parent = find(record.parent)) {
    POINT origin = clientOrigin(*parent);
    r.left += origin.x;
    r.right += origin.x;
    r.top += origin.y;
    r.bottom += origin.y;
  }
  return r;
}

RECT WindowRegistry::clientScreenRect(const WindowRecord& record) {
  RECT r = screenRect(record);
  if (record.minimized()) return RECT{r.left, r.top, r.left, r.top};
  RECT insets = frameInsets(record.style, record.exStyle);
  RECT c{r.left + insets.left, r.top + insets.top, r.right - insets.right, r.bottom - insets.bottom};
  if (c.right < c.left) c.right = c.left;
  if (c.bottom < c.top) c.bottom = c.top;
  return c;
}

bool WindowRegistry::shownOnScreen(const WindowRecord& record) {
  for (const WindowRecord* r = &record; r != nullptr; r = find(r->parent)) {
    if (!r->visible() || r->minimized()) return false;
  }
  return true;
}

HWND WindowRegistry::topLevelOf(HWND handle) {
  WindowRecord* record = find(handle);
  while (record != nullptr && record->parent != nullptr) record = find(record->parent);
  return record == nullptr ? nullptr : record->handle;
}

bool WindowRegistry::isAncestor(HWND ancestor, HWND handle) {
  for (WindowRecord* r = find(handle); r != nullptr; r = find(r->parent)) {
    if (r->handle == ancestor) return true;
  }
  return false;
}

HWND WindowRegistry::windowAt(POINT screen) {
  HWND found = nullptr;
  for (HWND top : topLevels_) {
    WindowRecord* r = find(top);
    if (r != nullptr && r->visible() && !r->minimized() && pointInRect(screenRect(*r), screen)) {
      found = top;
      break;
    }
  }
  // Descend into the topmost visible, enabled child under the point.
  for (WindowRecord* r = find(found); r != nullptr;) {
    if (!pointInRect(clientScreenRect(*r), screen)) break;
    WindowRecord* next = nullptr;
    for (HWND child : r->children) {
      WindowRecord* c = find(child);
      if (c != nullptr && c->visible() && pointInRect(screenRect(*c), screen)) {
        if (c->enabled()) next = c;
        break;
      }
    }
    if (next == nullptr) break;
    found = next->handle;
    r = next;
  }
  return found;
}

std::vector<HWND> WindowRegistry::windowsOfThread(DWORD threadId) {
  std::vector<HWND> result;
  for (HWND top : topLevels_) {
    for (HWND h : subtree(top)) {
      WindowRecord* r = find(h);
      if (r != nullptr && r->threadId == threadId) result.push_back(h);
    }
  }
  return result;
}

std::vector<HWND> WindowRegistry::subtree(HWND handle) {
  std::vector<HWND> result;
  if (find(handle) == nullptr) return result;
  result.push_back(handle);
  for (size_t i = 0; i < result.size(); ++i) {
    WindowRecord* r = find(result[i]);
    // Children of each window follow it directly, in z-order.
    std::vector<HWND> kids = r->children;
    result.insert(result.begin() + static_cast<std::ptrdiff_t>(i) + 1, kids.begin(), kids.end());
  }
  return result;
}

}  // namespace nvhost
