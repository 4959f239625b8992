#include "framework/compose/NV2DItem.h"

#include <algorithm>

#include "framework/compose/blit/NVBlitters.h"
#include "framework/compose/NVImage.h"
#include "framework/compose/blit/NVSampleFilter.h"
#include "framework/compose/NVStringStyle.h"
#include "framework/core/NVEventDispatch.h"
#include "framework/core/NVStageBase.h"

NV2DItem::NV2DItem(int newDepth, int newX, int newY, int newWidth, int newHeight) : NV2DItemBase(newDepth) {
  typeName = "NV2DItem";
  setRect(newX, newY, newWidth, newHeight);
}

NV2DItem::~NV2DItem() { NV2DItem::detach(); }

void NV2DItem::detach() {
  invalidate(true);
  setRect(0, 0, 0, 0);
  imageOffsetX = imageOffsetY = 0;
  invalidate(true);
  image = nullptr;
  textOffsetX = textOffsetY = 0;
  invalidate(true);
  text = "";
  textStyle = nullptr;
  delete textImage;
  textImage = nullptr;
  NV2DItemBase::detach();
}

bool NV2DItem::setRect(int newX, int newY, int newWidth, int newHeight) {
  newWidth = std::max(newWidth, 1);
  newHeight = std::max(newHeight, 1);
  if (newX == x && newY == y && newWidth == width && newHeight == height) return false;
  const bool moved = newX != x || newY != y;
  const bool resized = newWidth != width || newHeight != height;
  invalidate(true);
  x = newX, y = newY, width = newWidth, height = newHeight;
  updateLocalMatrix();
  invalidate(true);
  NVStageBase* stage = getStage();
  if (stage && stage->engine) {
    if (moved) raiseItemEvent(this, NV_EV_MOVED);
    if (resized) raiseItemEvent(this, NV_EV_RESIZED);
  }
  return true;
}

void NV2DItem::setEnabled(bool on) {
  enabled = on;
  renderText();
  invalidate(true);
  for (auto& entry : children) entry.second->setEnabled(on);
}

void NV2DItem::setImage(NVImage* newImage) {
  invalidate(true);
  image = newImage;
  invalidate(true);
}

void NV2DItem::setImageOffset(int newX, int newY) {
  invalidate(true);
  imageOffsetX = newX, imageOffsetY = newY;
  invalidate(true);
}

void NV2DItem::setText(NVString newText) {
  text = newText;
  renderText();
  invalidate(true);
}

void NV2DItem::setTextStyle(NVStringStyle* style) {
  textStyle = style;
  renderText();
  invalidate(true);
}

void NV2DItem::setTextOffset(int newX, int newY) {
  invalidate(true);
  textOffsetX = newX, textOffsetY = newY;
  invalidate(true);
}

void NV2DItem::renderText() {
  delete textImage;
  textImage = nullptr;
  if (text.isEmpty()) return;
  NVStringStyle* style = textStyle ? textStyle : NVStringStyle::sharedDefault();
  const SIZE size = style->measure(text);
  textImage = new NVImage(size.cx, size.cy);
  if (isActive()) {
    textImage->fill(style->red, style->green, style->blue, 0);
    style->drawText(textImage, 0, 0, -1, -1, -1, -1, true, text);
    return;
  }
  NVStringStyle* lighter = NVStringStyle::sharedScratch();
  lighter->copyFrom(*style);
  lighter->setColor((style->red + 255) / 2, (style->green + 255) / 2, (style->blue + 255) / 2);
  textImage->fill(lighter->red, lighter->green, lighter->blue, 0);
  lighter->drawText(textImage, 0, 0, -1, -1, -1, -1, true, text);
}

void NV2DItem::blit(const NVPixelTarget& target, const NVRect& area) { blitWith(false, target, area); }

void NV2DItem::blitClipped(const NVPixelTarget& target, const NVRect& area) { blitWith(true, target, area); }

void NV2DItem::blitWith(bool clipped, const NVPixelTarget& target, const NVRect& area) {
  const int effectiveAlpha = getEffectiveAlpha();
  if (effectiveAlpha < 1) return;
  if (area.intersected({0, 0, target.width, target.height}).isEmpty()) return;
  const bool knownLayout = target.layout == NVPixelLayout::Bgra || target.layout == NVPixelLayout::Rgba;
  if (!knownLayout || !nvIsSampleFilter(filter)) return;
  using Blitter = void (*)(const NVBlitParams&);
  // Indexed by clipping, layout (Bgra, Rgba) and filter (Nearest, Bilinear).
  static const Blitter table[2][2][2] = {
      {{blitNearest, blitBilinear}, {blitNearestRGBA, blitBilinearRGBA}},
      {{blitNearestClipped, blitBilinearClipped}, {blitNearestClippedRGBA, blitBilinearClippedRGBA}}};
  const int layoutIndex = target.layout == NVPixelLayout::Rgba ? 1 : 0;
  const Blitter blitter = table[clipped ? 1 : 0][layoutIndex][filter];
  NVBlitParams p;
  p.target = target;
  p.clip = area;
  p.itemWidth = width, p.itemHeight = height;
  p.alpha = effectiveAlpha;
  p.blendMode = blendMode;
  p.filter = filter;
  p.absX = getAbsoluteX(), p.absY = getAbsoluteY();
  p.matrix = getCumulativeMatrix();
  const std::vector<NVBlitClipAncestor> ancestors = clipped ? clipAncestors() : std::vector<NVBlitClipAncestor>();
  p.ancestors = ancestors.data();
  p.ancestorCount = static_cast<int>(ancestors.size());
  auto run = [&](const NVImage* source, int offsetX, int offsetY) {
    p.source = source->getPixels();
    p.sourceWidth = source->getWidth(), p.sourceHeight = source->getHeight();
    p.offsetX = offsetX, p.offsetY = offsetY;
    blitter(p);
  };
  if (image && image->isValid()) run(image, imageOffsetX, imageOffsetY);
  if (textImage && textImage->isValid()) run(textImage, textOffsetX, textOffsetY);
}

void NV2DItem::hitTest(int hx, int hy, std::vector<NV2DItemBase*>& results, int maxCount) {
  if (static_cast<int>(results.size()) >= maxCount || !isShown() || alpha == 0) return;
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    it->second->hitTest(hx, hy, results, maxCount);
    if (static_cast<int>(results.size()) >= maxCount) return;
  }
  if (text.isEmpty() && !image) return;
  double u, v;
  stageToLocal(hx, hy, u, v);
  for (const NV2DItemBase* a = parent; a; a = a->parent) {
    if (!a->clipChildren) continue;
    double au, av;
    a->stageToLocal(hx, hy, au, av);
    if (au < 0 || av < 0 || au > a->width - 1 || av > a->height - 1) return;
  }
  if (!(u >= 0 && u < width && v >= 0 && v < height)) return;
  const int iu = static_cast<int>(u), iv = static_cast<int>(v);
  bool hit = wholeRectHit;
  if (!hit && textImage) hit = textImage->getAlpha(iu - textOffsetX, iv - textOffsetY) > 0;
  if (!hit && image) hit = image->getAlpha(iu - imageOffsetX, iv - imageOffsetY) > 0;
  if (hit) results.push_back(this);
}
