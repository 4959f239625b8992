// shell32 on the portable host: file drops.
//  [x] DragAcceptFiles (WS_EX_ACCEPTFILES), a drop goes to the window under
//      the point that accepts files or its nearest such ancestor
//  [x] DragQueryFileA: count, length query, path cut to the buffer; paths in
//      code page 932 (names it lacks escaped), no length limit
//  [x] DragQueryPoint, DragFinish; unknown or finished handles are refused
//  [ ] OLE drag and drop, IDropTarget
#include <algorithm>
#include <cstring>
#include <map>

#include "platform/host/display/HostInput.h"
#include "platform/host/include/nvhost_winmm.h"
#include "platform/host/user/ThreadQueue.h"
#include "platform/runtime/TextCodec.h"

using nvhost::HostLock;
using nvhost::WindowRecord;
using nvhost::WindowRegistry;

namespace {

struct DropRecord {
  std::vector<std::string> paths;
  POINT point{};
  bool client = true;
};

std::map<HDROP, DropRecord>& drops() {
  static auto* table = new std::map<HDROP, DropRecord>;
  return *table;
}

DropRecord* findDrop(HDROP drop) {
  auto it = drops().find(drop);
  return it == drops().end() ? nullptr : &it->second;
}

HWND dropTargetLocked(POINT screen) {
  auto& registry = WindowRegistry::get();
  for (WindowRecord* r = registry.find(registry.windowAt(screen)); r != nullptr; r = registry.find(r->parent)) {
    if (r->exStyle & WS_EX_ACCEPTFILES) return r->handle;
  }
  return nullptr;
}

}  // namespace

void DragAcceptFiles(HWND window, BOOL accept) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = WindowRegistry::get().find(window);
  if (r == nullptr) return;
  if (accept) {
    r->exStyle |= WS_EX_ACCEPTFILES;
  } else {
    r->exStyle &= ~static_cast<DWORD>(WS_EX_ACCEPTFILES);
  }
}

UINT DragQueryFileA(HDROP drop, UINT index, LPSTR file, UINT size) {
  HostLock lock(nvhost::hostMutex());
  DropRecord* d = findDrop(drop);
  if (d == nullptr) return 0;
  if (index == 0xFFFFFFFF) return static_cast<UINT>(d->paths.size());
  if (index >= d->paths.size()) return 0;
  const std::string& path = d->paths[index];
  if (file == nullptr || size == 0) return static_cast<UINT>(path.size());
  size_t n = std::min<size_t>(path.size(), size - 1);
  std::memcpy(file, path.data(), n);
  file[n] = '\0';
  return static_cast<UINT>(n);
}

BOOL DragQueryPoint(HDROP drop, LPPOINT point) {
  HostLock lock(nvhost::hostMutex());
  DropRecord* d = findDrop(drop);
  if (d == nullptr || point == nullptr) return FALSE;
  *point = d->point;
  return d->client;
}

void DragFinish(HDROP drop) {
  HostLock lock(nvhost::hostMutex());
  drops().erase(drop);
}

namespace nvhost::input {

bool dropFiles(POINT screen, const std::vector<std::string>& utf8Paths) {
  static std::uintptr_t next = 0x30010;
  DropRecord record;
  for (const auto& path : utf8Paths) record.paths.push_back(nvrt::utf8ToCp932Name(path));
  HostLock lock(hostMutex());
  auto& registry = WindowRegistry::get();
  HWND target = dropTargetLocked(screen);
  WindowRecord* r = registry.find(target);
  if (r == nullptr) return false;
  auto q = ThreadQueue::forThread(r->threadId);
  if (!q || !q->alive) return false;
  RECT client = registry.clientScreenRect(*r);
  record.point = POINT{screen.x - client.left, screen.y - client.top};
  record.client = pointInRect(client, screen);
  HDROP drop = reinterpret_cast<HDROP>(next);
  next += 4;
  drops()[drop] = std::move(record);
  MSG m{target, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0, timeGetTime(), registry.desktop().pointer};
  q->post(PostedMessage{m, nullptr, nullptr});
  return true;
}

}  // namespace nvhost::input
