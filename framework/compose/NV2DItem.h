// A 2D item that shows pixels: an image and/or one text, rendered once into
// a text image of its own and composed by the blitters.
#pragma once

#include "framework/compose/NV2DItemBase.h"
#include "framework/core/NVString.h"

class NVImage;
class NVStringStyle;

class NV2DItem : public NV2DItemBase {
 public:
  NV2DItem(int depth, int x, int y, int width, int height);
  ~NV2DItem() override;

  void setEnabled(bool on) override;
  void hitTest(int x, int y, std::vector<NV2DItemBase*>& results, int maxCount) override;
  void detach() override;
  void blit(const NVPixelTarget& target, const NVRect& area) override;
  void blitClipped(const NVPixelTarget& target, const NVRect& area) override;
  virtual void moveBy(int dx, int dy) { setRect(x + dx, y + dy, width, height); }
  virtual void moveTo(int newX, int newY) { setRect(newX, newY, width, height); }
  virtual bool setRect(int x, int y, int width, int height);
  virtual void setSize(int newWidth, int newHeight) { setRect(x, y, newWidth, newHeight); }

  void setImage(NVImage* image);
  void setImageOffset(int x, int y);
  void setText(NVString text);
  void setTextStyle(NVStringStyle* style);
  void setTextOffset(int x, int y);
  NVImage* getImage() const { return image; }
  NVString getText() const { return text; }
  NVImage* getTextImage() const { return textImage; }

  NVImage* image = nullptr;
  int imageOffsetX = 0, imageOffsetY = 0;
  NVString text;
  NVStringStyle* textStyle = nullptr;
  int textOffsetX = 0, textOffsetY = 0;
  NVImage* textImage = nullptr;

 private:
  void renderText();
  void blitWith(bool clipped, const NVPixelTarget& target, const NVRect& area);
};
