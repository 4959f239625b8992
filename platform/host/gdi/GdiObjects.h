// The table of gdi objects of the portable host. Handles are keys into it;
// stock objects live for the whole run and ignore DeleteObject.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/host/include/nvhost_win32.h"
#include "platform/host/include/nvhost_gdi.h"
#include "platform/host/text/TextEngine.h"

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

// The pixels of a bitmap: 32-bit words, top-down rows without padding. A
// device context that selects the bitmap shares them, so deleting a selected
// bitmap frees its pixels only once the last context lets go.
struct PixelBuffer {
  int width = 0;
  int height = 0;
  std::unique_ptr<std::uint32_t[]> words;
};
using PixelsRef = std::shared_ptr<PixelBuffer>;

struct Bitmap : GdiObject {
  explicit Bitmap(PixelsRef p) : GdiObject(ObjectKind::Bitmap), pixels(std::move(p)) {}
  PixelsRef pixels;
};

struct FontObject : GdiObject {
  FontObject(text::FontRef f, const LOGFONTA& l) : GdiObject(ObjectKind::Font), font(std::move(f)), logFont(l) {}
  text::FontRef font;
  LOGFONTA logFont;
};

// Takes ownership and returns the new handle.
HGDIOBJ addObject(std::unique_ptr<GdiObject> object);
// The live object of a handle, or null. The table's lock is the caller's for
// as long as it uses the object: call under an ObjectsLock.
GdiObject* findObject(HGDIOBJ handle);
bool removeObject(HGDIOBJ handle);

// The brush of a handle as a plain value: whether it exists, is null, its colour.
struct BrushInfo {
  bool valid = false;
  bool null = true;
  COLORREF color = 0;
};
BrushInfo brushInfo(HBRUSH brush);

// The shared parts of a bitmap or font handle, or null for another kind.
PixelsRef bitmapPixels(HGDIOBJ handle);
text::FontRef fontOf(HGDIOBJ handle);

// Objects that every device context starts with: a 1 x 1 bitmap and the
// system font. Both are stock objects.
HBITMAP defaultBitmap();
HFONT defaultFont();

class ObjectsLock {
 public:
  ObjectsLock();
  ~ObjectsLock();
  ObjectsLock(const ObjectsLock&) = delete;
  ObjectsLock& operator=(const ObjectsLock&) = delete;
};

}  // namespace nvhost::gdi
