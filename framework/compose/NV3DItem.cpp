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
  if (!text.isEmpty()) {
    drawText();
  } else if (sourceToolkitImage) {
    extractFrom(*sourceToolkitImage);
  } else if (sourceImage) {
    dv_Image converted;
    if (convertToToolkitImage(sourceImage, &converted))
      extractFrom(converted);
    else
      textureImage.reset(width, height, true);
  } else {
    // Without a source the item shows nothing: an old picture must not stay.
    textureImage.reset(width, height, true);
  }
  layout();
}

void NV3DItem::extractFrom(const dv_Image& source) {
  const int w = std::min(width, source.getWidth() - sourceX);
  const int h = std::min(height, source.getHeight() - sourceY);
  if (!textureImage.extract(&source, sourceX, sourceY, w, h)) textureImage.reset(width, height, true);
}

// With a text the picture is the whole source with the text drawn over its
// top-left width x height; the texture then takes the source's size. Over
// nothing, the glyphs alone become opaque.
void NV3DItem::drawText() {
  NVImage canvas(width, height);
  bool overSource = false;
  if (sourceToolkitImage)
    overSource = convertToFrameworkImage(sourceToolkitImage, &canvas);
  else if (sourceImage && sourceImage->isValid())
    overSource = canvas.copyFrom(*sourceImage);
  if (!overSource) {
    canvas.resize(width, height);
    canvas.fill(0, 0, 0, 0);
  }
  const NVStringStyle* style = textStyle ? textStyle : NVStringStyle::sharedDefault();
  if (isActive()) {
    style->drawText(&canvas, textX, textY, 0, 0, width, height, !overSource, text);
  } else {
    NVStringStyle lighter;
    lighter.copyFrom(*style);
    lighter.setColor((style->red + 255) / 2, (style->green + 255) / 2, (style->blue + 255) / 2);
    lighter.drawText(&canvas, textX, textY, 0, 0, width, height, !overSource, text);
  }
  convertToToolkitImage(&canvas, &textureImage);
}

// The texel at the point less the source position decides, unstretched; a
// point beyond the texture is not covered.
bool NV3DItem::coversPoint(int localX, int localY) const {
  if (textureImage.getWidth() < 1 || textureImage.getHeight() < 1) return false;
  return textureImage.getAlpha(localX - sourceX, localY - sourceY) > 0;
}
