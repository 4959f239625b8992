// A stage that is the body of a widget living in a child window of its own:
// it draws a background, one image and one text into a window-sized display
// and paints its window from it.
#pragma once

#include "framework/compose/NVDisplay.h"
#include "framework/core/NVStageBase.h"

class NVImage;
class NVStringStyle;

class NVStageItem : public NVStageBase {
 public:
  NVStageItem(int x, int y, int width, int height);
  ~NVStageItem() override;

  void setImage(NVImage* image);
  void setText(NVString text);
  void setTextStyle(NVStringStyle* style);
  void setTextPosition(int x, int y);
  void setImagePosition(int x, int y);
  // 0 (clear) to 255 (opaque); kept only while the item has no parent stage.
  void setAlpha(int alpha);
  NVString getText() const { return text; }
  void redraw();

  bool setRect(int x, int y, int width, int height) override;
  void setEnabled(bool on) override;
  void onCreated() override;
  void onDestroying() override;
  void invalidateDirty() override;
  void paint(HDC dc) override;

  NVDisplay* display = nullptr;
  NVImage* image = nullptr;
  NVString text;
  NVStringStyle* textStyle = nullptr;
  int imageX = 0, imageY = 0;
  int textX = 0, textY = 0;
  int alpha = 255;

 private:
  void present();
  void applyAlpha();
};
