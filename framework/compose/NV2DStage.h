// A stage whose window shows one scene: it owns the back buffer the scene
// composes into and copies the dirty part of it to the window.
#pragma once

#include <vector>

#include "framework/compose/NVImage.h"
#include "framework/core/NVStageBase.h"

class NV2DScene;
class NV2DItemBase;

class NV2DStage : public NVStageBase {
 public:
  NV2DStage(int width, int height, NVString title);
  ~NV2DStage() override;

  void bindScene(NV2DScene* scene);
  std::vector<NV2DItemBase*> hitTest(int x, int y);
  // The stage that shows a scene, or null.
  static NV2DStage* findStage(NV2DScene* scene);
  // Every stage that still points to a scene lets go of it (the scene is
  // being destroyed).
  static void forgetScene(NV2DScene* scene);

  using NVStageBase::addDirtyRect;
  bool addDirtyRect(const NVRect& area) override;
  bool setRect(int x, int y, int width, int height) override;
  void onCreated() override;
  void onDestroying() override;
  void invalidateDirty() override;
  void paint(HDC dc) override;

  NV2DScene* scene = nullptr;
  NVImage* backBuffer = nullptr;

 private:
  void selectBackBuffer();
  HDC windowDC_ = nullptr;
  HDC bufferDC_ = nullptr;
  HGDIOBJ savedBitmap_ = nullptr;
};
