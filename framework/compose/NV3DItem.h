// A 3D item that shows a picture: a toolkit image on a rectangle texture,
// filled from a framework image or a toolkit image, with one text drawn over
// it. The picture is rebuilt whenever its source, text, style or size
// changes, never per frame.
#pragma once

#include "framework/compose/NV3DItemBase.h"
#include "framework/core/NVString.h"
#include "toolkit/dv_Image.h"
#include "toolkit/dv_RectTexture.h"

class NVImage;
class NVStringStyle;

class NV3DItem : public NV3DItemBase {
 public:
  NV3DItem(int x, int y, int width, int height);
  ~NV3DItem() override;

  void setTextureSize(double width, double height) override;
  // A new size re-creates the picture at that size from its source.
  bool setRect(int x, int y, int width, int height) override;
  void setEnabled(bool on) override;

  // The two sources exclude each other; null leaves the item without one.
  void setSourceImage(NVImage* image);
  void setSourceToolkitImage(dv_Image* image);
  // The top-left corner of the part of the source that is shown.
  void setSourcePosition(int x, int y);
  void setText(NVString text);
  void setTextStyle(NVStringStyle* style);
  void setTextPosition(int x, int y);
  NVString getText() const { return text; }

  dv_Image textureImage;
  dv_RectTexture rectTexture;
  NVImage* sourceImage = nullptr;
  dv_Image* sourceToolkitImage = nullptr;
  NVString text;
  NVStringStyle* textStyle = nullptr;
  int sourceX = 0, sourceY = 0;
  int textX = 0, textY = 0;

 protected:
  bool coversPoint(int localX, int localY) const override;

 private:
  void rebuildPicture();
  // textureImage becomes the shown part of a toolkit image.
  void extractFrom(const dv_Image& source);
  void drawText();
};
