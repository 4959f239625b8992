#include "toolkit/dv_PickResult.h"

void dv_PickResult::add(dv_Model* model, int id, int kind) {
  models_.push_back(model);
  ids_.push_back(id);
  kinds_.push_back(kind);
}

void dv_PickResult::clear() {
  models_.clear();
  ids_.clear();
  kinds_.clear();
}

dv_Model* dv_PickResult::getModel(int i) const { return inRange(i) ? models_[i] : nullptr; }

int dv_PickResult::getID(int i) const { return inRange(i) ? ids_[i] : -1; }

int dv_PickResult::getType(int i) const { return inRange(i) ? kinds_[i] : 0; }
