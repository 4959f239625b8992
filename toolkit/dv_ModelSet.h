// A scene: the models to draw, the light models, the overlay models drawn
// last without depth test, the camera and the projections. Models are not
// owned; the scene owns its default camera and its projections.
#pragma once

#include <vector>

#include "toolkit/dv_BaseObject.h"
#include "toolkit/dv_Model.h"
#include "toolkit/dv_OrthoProjection.h"
#include "toolkit/dv_Perspective.h"

class dv_ModelSet : public dv_BaseObject {
 public:
  dv_ModelSet();
  virtual ~dv_ModelSet();
  dv_ModelSet(const dv_ModelSet&) = delete;
  dv_ModelSet& operator=(const dv_ModelSet&) = delete;

  // A model whose shape is a light goes to the lights, any other to the
  // models; entering a listed model moves it to the end. False for null.
  bool addModel(dv_Model* model);
  // Takes the model out of the models and the lights; false if in neither.
  bool removeModel(dv_Model* model);
  void clearModels();
  // Light models are refused.
  bool addOverlay(dv_Model* model);
  bool removeOverlay(dv_Model* model);
  const std::vector<dv_Model*>& getModels() const { return models_; }
  const std::vector<dv_Model*>& getLights() const { return lights_; }
  const std::vector<dv_Model*>& getOverlays() const { return overlays_; }

  // Null puts the scene's own camera back.
  void setCamera(dv_Model* camera);
  dv_Model* getCamera() { return camera_; }
  const dv_Model* getCamera() const { return camera_; }

  // A perspective or orthographic projection is copied and becomes the
  // current one; other projections are ignored.
  void setProjection(const dv_Projection& projection);
  const dv_Projection& getProjection() const;
  const dv_Perspective& getPerspective() const { return perspective_; }
  const dv_OrthoProjection& getOrtho() const { return ortho_; }
  int getProjectionVersion() const { return projectionVersion_; }
  int getSceneId() const { return sceneId_; }

  static bool isLightModel(const dv_Model* model);

 protected:
  explicit dv_ModelSet(int type);

 private:
  std::vector<dv_Model*> models_;
  std::vector<dv_Model*> lights_;
  std::vector<dv_Model*> overlays_;
  dv_Model ownCamera_;
  dv_Model* camera_ = &ownCamera_;
  dv_Perspective perspective_;
  dv_OrthoProjection ortho_;
  bool orthoCurrent_ = false;
  int projectionVersion_ = 0;
  int sceneId_;
};
