#include "framework/compose/NV3DItem.h"

#include <algorithm>

#include "framework/compose/NVImage.h"
#include "framework/compose/NVImageConversion.h"
#include "framework/compose/NVStringStyle.h"

NV3DItem::NV3DItem(int newX, int newY, int newWidth, int newHeight)
    : NV3DItemBase(newX, newY, newWidth, newHeight), textureImage(width, height), rectTexture(&textureImage) {
  typeName = "NV3DItem";
  rectTexture.setEnvMode(dv_Texture::EnvModulate);
  rectTexture.setFilter(dv_Texture::FilterLinear);
  setShape(&rectTexture);
}

// The base destructor takes the item out of its stage while the texture,
// which the stage's model list may still point at, is alive.
NV3DItem::~NV3DItem() {
  if (stage3D || parent) detach();
  setShape(nullptr);
}

void NV3DItem::setTextureSize(double w, double h) {
  const dv_RectSize size = rectTexture.getSize();
  if (size.w != static_cast<float>(w) || size.h != static_cast<float>(h))
    rectTexture.setSize(static_cast<float>(w), static_cast<float>(h));
  rectTexture.setImage(&textureImage);
}

bool NV3DItem::setRect(int newX, int newY, int newWidth, int newHeight) {
  newWidth = std::max(newWidth, 1), newHeight = std::max(newHeight, 1);
  x = newX, y = newY;
  if (newWidth != width || newHeight != height) {
    width = newWidth, height = newHeight;
    textureImage.reset(width, height, true);
    rebuildPicture();
    return true;
  }
  layout();
  return true;
}

void NV3DItem::setEnabled(bool on) {
  enabled = on;
  // A disabled item draws its text lighter.
  if (!text.isEmpty()) rebuildPicture();
  NV3DItemBase::setEnabled(on);
}

void NV3DItem::setSourceImage(NVImage* image) {
  sourceImage = image;
  sourceToolkitImage = nullptr;
  rebuildPicture();
}

void NV3DItem::setSourceToolkitImage(dv_Image* image) {
  sourceToolkitImage = image;
  sourceImage = nullptr;
  rebuildPicture();
}

void NV3DItem::setSourcePosition(int newX, int newY) {
  sourceX = newX, sourceY = newY;
  rebuildPicture();
}

void NV3DItem::setText(NVString newText) {
  text = newText;
  rebuildPicture();
}

void NV3DItem::setTextStyle(NVStringStyle* style) {
  textStyle = style;
  rebuildPicture();
}

void NV3DItem::setTextPosition(int newX, int newY) {
  textX = newX, textY = newY;
  rebuildPicture();
}

void NV3DItem::rebuildPicture() {
  if (sourceToolkitImage) {
    extractFrom(*sourceToolkitImage);
  } else if (sourceImage) {
    dv_Image converted;
    if (convertToToolkitImage(sourceImage, &converted))
      extractFrom(converted);
    else
      textureImage.reset(width, height, true);
  } else {
    // Without a source the item shows nothing but its text: an old picture
    // or an old text must not stay behind.
    textureImage.reset(width, height, true);
  }
  if (!text.isEmpty()) drawText();
  layout();
}

void NV3DItem::extractFrom(const dv_Image& source) {
  const int w = std::min(width, source.getWidth() - sourceX);
  const int h = std::min(height, source.getHeight() - sourceY);
  if (!textureImage.extract(&source, sourceX, sourceY, w, h)) textureImage.reset(width, height, true);
}

void NV3DItem::drawText() {
  const bool hasSource = sourceToolkitImage || sourceImage;
  NVImage canvas(width, height);
  // The text goes over the part of the source that is shown, at the same
  // scale with and without text; over nothing, the glyphs alone become
  // opaque.
  if (!hasSource || !convertToFrameworkImage(&textureImage, &canvas)) canvas.fill(0, 0, 0, 0);
  const NVStringStyle* style = textStyle ? textStyle : NVStringStyle::sharedDefault();
  if (isActive()) {
    style->drawText(&canvas, textX, textY, 0, 0, width, height, !hasSource, text);
  } else {
    NVStringStyle lighter;
    lighter.copyFrom(*style);
    lighter.setColor((style->red + 255) / 2, (style->green + 255) / 2, (style->blue + 255) / 2);
    lighter.drawText(&canvas, textX, textY, 0, 0, width, height, !hasSource, text);
  }
  convertToToolkitImage(&canvas, &textureImage);
}

bool NV3DItem::coversPoint(int localX, int localY) const {
  const int tw = textureImage.getWidth(), th = textureImage.getHeight();
  if (tw < 1 || th < 1) return false;
  // The texture stretches over the whole rectangle; the texel shown at the
  // point decides.
  const int u = static_cast<int>(static_cast<long long>(localX) * tw / width);
  const int v = static_cast<int>(static_cast<long long>(localY) * th / height);
  return textureImage.getAlpha(u, v) > 0;
}
