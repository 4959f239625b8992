// gdi32 objects on the portable host.
//  [x] a handle table for brushes, bitmaps and fonts
//  [x] GetStockObject for the stock brushes and the system and GUI fonts;
//      stock objects ignore DeleteObject
//  [x] DeleteObject; a bitmap still selected into a device context keeps its
//      pixels until the context lets go of it
//  [x] GetObjectA for bitmaps (BITMAP) and fonts (LOGFONTA)
//  [ ] pens, patterned and hatched brushes, regions, palettes
#include <cstring>
#include <map>
#include <mutex>

#include "platform/runtime/RankedMutex.h"

#include "platform/host/gdi/GdiObjects.h"
#include "platform/win32.h"

namespace nvhost::gdi {

namespace {

nvrt::RankedRecursiveMutex& tableMutex() {
  static auto* m = new nvrt::RankedRecursiveMutex(nvrt::LockRank::gdiObjects, "tableMutex");
  return *m;
}

std::map<HGDIOBJ, std::unique_ptr<GdiObject>>& table() {
  static auto* t = new std::map<HGDIOBJ, std::unique_ptr<GdiObject>>;
  return *t;
}

std::uintptr_t& nextHandle() {
  static std::uintptr_t next = 0x10000;
  return next;
}

int bitmapObject(const Bitmap& bitmap, int size, LPVOID buffer) {
  if (buffer == nullptr) return sizeof(BITMAP);
  if (size < static_cast<int>(sizeof(BITMAP))) return 0;
  const PixelBuffer& p = *bitmap.pixels;
  BITMAP info{0, p.width, p.height, p.width * 4, 1, 32, p.words.get()};
  std::memcpy(buffer, &info, sizeof info);
  return sizeof(BITMAP);
}

int fontObject(const FontObject& font, int size, LPVOID buffer) {
  if (buffer == nullptr) return sizeof(LOGFONTA);
  if (size < static_cast<int>(sizeof(LOGFONTA))) return 0;
  std::memcpy(buffer, &font.logFont, sizeof(LOGFONTA));
  return sizeof(LOGFONTA);
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
  // The object is destroyed outside the lock: a font's last reference may
  // take the text engine's own locks on the way out.
  std::unique_ptr<GdiObject> doomed;
  {
    ObjectsLock lock;
    auto it = table().find(handle);
    if (it == table().end() || it->second->stock) return false;
    doomed = std::move(it->second);
    table().erase(it);
  }
  return true;
}

BrushInfo brushInfo(HBRUSH brush) {
  ObjectsLock lock;
  GdiObject* object = findObject(brush);
  if (!object || object->kind != ObjectKind::Brush) return {};
  const auto* b = static_cast<Brush*>(object);
  return {true, b->null, b->color};
}

PixelsRef bitmapPixels(HGDIOBJ handle) {
  ObjectsLock lock;
  GdiObject* object = findObject(handle);
  if (!object || object->kind != ObjectKind::Bitmap) return nullptr;
  return static_cast<Bitmap*>(object)->pixels;
}

text::FontRef fontOf(HGDIOBJ handle) {
  ObjectsLock lock;
  GdiObject* object = findObject(handle);
  if (!object || object->kind != ObjectKind::Font) return nullptr;
  return static_cast<FontObject*>(object)->font;
}

}  // namespace nvhost::gdi

using namespace nvhost::gdi;

HGDIOBJ GetStockObject(int object) {
  static HGDIOBJ stock[NULL_BRUSH + 1] = {};
  static std::once_flag once;
  std::call_once(once, [] {
    const COLORREF colors[] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128),
                               RGB(64, 64, 64),    RGB(0, 0, 0),       0};
    for (int i = 0; i <= NULL_BRUSH; ++i) {
      auto brush = std::make_unique<Brush>(colors[i], i == NULL_BRUSH);
      brush->stock = true;
      stock[i] = addObject(std::move(brush));
    }
  });
  if (object == SYSTEM_FONT || object == DEFAULT_GUI_FONT) return defaultFont();
  return object >= 0 && object <= NULL_BRUSH ? stock[object] : nullptr;
}

BOOL DeleteObject(HGDIOBJ object) {
  {
    ObjectsLock lock;
    GdiObject* found = findObject(object);
    if (!found) return FALSE;
    if (found->stock) return TRUE;
  }
  // Device contexts hold their own references to a selected bitmap's pixels
  // and a selected font, so deleting either while selected is safe: what the
  // contexts hold is freed when they select something else or are deleted.
  return removeObject(object) ? TRUE : FALSE;
}

int GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
  ObjectsLock lock;
  GdiObject* found = findObject(object);
  if (!found) return 0;
  if (found->kind == ObjectKind::Bitmap) return bitmapObject(*static_cast<Bitmap*>(found), size, buffer);
  if (found->kind == ObjectKind::Font) return fontObject(*static_cast<FontObject*>(found), size, buffer);
  return 0;
}
