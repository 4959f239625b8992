// gdi32 objects on the portable host.
//  [x] a handle table for brushes (and later bitmaps, fonts, pens)
//  [x] GetStockObject for the stock brushes; stock objects ignore DeleteObject
//  [x] CreateSolidBrush, DeleteObject
//  [ ] pens, patterned and hatched brushes, regions
#include <map>
#include <mutex>

#include "platform/host/gdi/GdiObjects.h"
#include "platform/win32.h"

namespace nvhost::gdi {

namespace {

std::recursive_mutex& tableMutex() {
  static std::recursive_mutex m;
  return m;
}

std::map<HGDIOBJ, std::unique_ptr<GdiObject>>& table() {
  static auto* t = new std::map<HGDIOBJ, std::unique_ptr<GdiObject>>;
  return *t;
}

std::uintptr_t& nextHandle() {
  static std::uintptr_t next = 0x10000;
  return next;
}

}  // namespace

ObjectsLock::ObjectsLock() { tableMutex().lock(); }
ObjectsLock::~ObjectsLock() { tableMutex().unlock(); }

HGDIOBJ addObject(std::unique_ptr<GdiObject> object) {
  ObjectsLock lock;
  nextHandle() += 4;
  HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(nextHandle());
  table()[handle] = std::move(object);
  return handle;
}

GdiObject* findObject(HGDIOBJ handle) {
  ObjectsLock lock;
  auto it = table().find(handle);
  return it == table().end() ? nullptr : it->second.get();
}

bool removeObject(HGDIOBJ handle) {
  ObjectsLock lock;
  auto it = table().find(handle);
  if (it == table().end() || it->second->stock) return false;
  table().erase(it);
  return true;
}

BrushInfo brushInfo(HBRUSH brush) {
  ObjectsLock lock;
  GdiObject* object = findObject(brush);
  if (!object || object->kind != ObjectKind::Brush) return {};
  const auto* b = static_cast<Brush*>(object);
  return {true, b->null, b->color};
}

}  // namespace nvhost::gdi

using namespace nvhost::gdi;

HGDIOBJ GetStockObject(int object) {
  static HGDIOBJ stock[NULL_BRUSH + 1] = {};
  static std::once_flag once;
  std::call_once(once, [] {
    const COLORREF colors[] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128), RGB(64, 64, 64),
                               RGB(0, 0, 0), 0};
    for (int i = 0; i <= NULL_BRUSH; ++i) {
      auto brush = std::make_unique<Brush>(colors[i], i == NULL_BRUSH);
      brush->stock = true;
      stock[i] = addObject(std::move(brush));
    }
  });
  return object >= 0 && object <= NULL_BRUSH ? stock[object] : nullptr;
}

HBRUSH CreateSolidBrush(COLORREF color) {
  return static_cast<HBRUSH>(addObject(std::make_unique<Brush>(color & 0xFFFFFF, false)));
}

BOOL DeleteObject(HGDIOBJ object) {
  ObjectsLock lock;
  GdiObject* found = findObject(object);
  if (!found) return FALSE;
  if (found->stock) return TRUE;
  return removeObject(object) ? TRUE : FALSE;
}
