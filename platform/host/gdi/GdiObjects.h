// The table of gdi objects of the portable host. Handles are keys into it;
// stock objects live for the whole run and ignore DeleteObject.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/host/include/nvhost_win32.h"

namespace nvhost::gdi {

enum class ObjectKind { Brush, Bitmap, Font, Pen };

struct GdiObject {
  explicit GdiObject(ObjectKind k) : kind(k) {}
  virtual ~GdiObject() = default;
  ObjectKind kind;
  bool stock = false;
};

struct Brush : GdiObject {
  Brush(COLORREF c, bool isNull) : GdiObject(ObjectKind::Brush), color(c), null(isNull) {}
  COLORREF color;
  bool null;  // draws nothing
};

// Takes ownership and returns the new handle.
HGDIOBJ addObject(std::unique_ptr<GdiObject> object);
// The live object of a handle, or null. The table's lock is the caller's for
// as long as it uses the object: call under lockObjects().
GdiObject* findObject(HGDIOBJ handle);
bool removeObject(HGDIOBJ handle);

// The brush of a handle as a plain value: whether it exists, is null, its colour.
struct BrushInfo {
  bool valid = false;
  bool null = true;
  COLORREF color = 0;
};
BrushInfo brushInfo(HBRUSH brush);

class ObjectsLock {
 public:
  ObjectsLock();
  ~ObjectsLock();
  ObjectsLock(const ObjectsLock&) = delete;
  ObjectsLock& operator=(const ObjectsLock&) = delete;
};

}  // namespace nvhost::gdi
