#include "toolkit/dv_ModelSet.h"

#include <algorithm>

#include "toolkit/dv_SceneIdPool.h"
#include "toolkit/dv_Shape.h"

namespace {

bool eraseFrom(std::vector<dv_Model*>& list, const dv_Model* model) {
  const auto it = std::find(list.begin(), list.end(), model);
  if (it == list.end()) return false;
  list.erase(it);
  return true;
}

void moveToEnd(std::vector<dv_Model*>& list, dv_Model* model) {
  eraseFrom(list, model);
  list.push_back(model);
}

}  // namespace

dv_ModelSet::dv_ModelSet() : dv_ModelSet(dv_ObjectType::ModelSet) {}

dv_ModelSet::dv_ModelSet(int type) : dv_BaseObject(type), sceneId_(dv_SceneIdPool::take()) {}

dv_ModelSet::~dv_ModelSet() { dv_SceneIdPool::giveBack(sceneId_); }

bool dv_ModelSet::isLightModel(const dv_Model* model) {
  return model != nullptr && model->getShape() != nullptr && model->getShape()->getType() == dv_ObjectType::Light;
}

bool dv_ModelSet::addModel(dv_Model* model) {
  if (model == nullptr) return false;
  // A model changes list when its shape changed since it was entered.
  if (isLightModel(model)) {
    eraseFrom(models_, model);
    moveToEnd(lights_, model);
  } else {
    eraseFrom(lights_, model);
    moveToEnd(models_, model);
  }
  return true;
}

bool dv_ModelSet::removeModel(dv_Model* model) {
  const bool fromModels = eraseFrom(models_, model);
  const bool fromLights = eraseFrom(lights_, model);
  return fromModels || fromLights;
}

void dv_ModelSet::clearModels() {
  models_.clear();
  lights_.clear();
}

bool dv_ModelSet::addOverlay(dv_Model* model) {
  if (model == nullptr || isLightModel(model)) return false;
  moveToEnd(overlays_, model);
  return true;
}

bool dv_ModelSet::removeOverlay(dv_Model* model) { return eraseFrom(overlays_, model); }

void dv_ModelSet::setCamera(dv_Model* camera) { camera_ = camera ? camera : &ownCamera_; }

void dv_ModelSet::setProjection(const dv_Projection& projection) {
  if (const auto* p = dynamic_cast<const dv_Perspective*>(&projection)) {
    perspective_ = *p;
    orthoCurrent_ = false;
  } else if (const auto* o = dynamic_cast<const dv_OrthoProjection*>(&projection)) {
    ortho_ = *o;
    orthoCurrent_ = true;
  }
  ++projectionVersion_;
}

const dv_Projection& dv_ModelSet::getProjection() const {
  if (orthoCurrent_) return ortho_;
  return perspective_;
}
