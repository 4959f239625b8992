// Snapshots, interpolation and collision tests of dv_Model.
#include <algorithm>
#include <cmath>

#include "toolkit/dv_Model.h"
#include "toolkit/dv_Quaternion.h"

void dv_Model::saveState() {
  savedPosition_ = getPosition();
  savedGlobalPosition_ = getGlobalPosition();
  savedAngle_ = getAngle();
  snapFlag_ = true;
}

bool dv_Model::restoreState() {
  if (!snapFlag_) return false;
  restorePlacement(savedPosition_, savedAngle_);
  return true;
}

bool dv_Model::restoreState(double t) {
  if (!snapFlag_ || t < 1e-8 || t > 1.00000001) return false;
  dv_Quaternion saved, current;
  saved.setEuler(savedAngle_);
  current.setEuler(getAngle());
  const dv_Angle angle = dv_QuatSlerp(saved, current, t).toAngle();
  restorePlacement((1.0 - t) * savedPosition_ + t * getPosition(), angle);
  return true;
}

void dv_Model::setRadius(double r) {
  if (r > 0.0) radius_ = r;
}

bool dv_Model::isIntersecting(const dv_Model* other) const {
  if (other == nullptr) return false;
  const double reach = radius_ + other->radius_;
  return (other->getGlobalPosition() - getGlobalPosition()).squaredLength() <= reach * reach;
}

bool dv_Model::relativeMotion(const dv_Model* other, dv_Vector& start, dv_Vector& motion) const {
  if (other == nullptr || !snapFlag_ || !other->snapFlag_) return false;
  start = other->savedGlobalPosition_ - savedGlobalPosition_;
  motion = (other->getGlobalPosition() - getGlobalPosition()) - start;
  return true;
}

bool dv_Model::isColliding(const dv_Model* other) const {
  dv_Vector s, m;
  if (!relativeMotion(other, s, m)) return false;
  const double reach = radius_ + other->radius_;
  if (s.squaredLength() <= reach * reach) return true;
  const double mm = m.squaredLength();
  if (mm < 1e-8) return false;
  // Closest approach during the move, not on the endless line through it:
  // spheres moving apart, or that would meet only later, do not collide. The
  // toolkit's original test, (r1 + r2)^2 >= |s|^2 - (s.m)^2/|m|^2, measures the
  // closest approach of the endless lines and reports such misses as
  // collisions (see docs/toolkit.md).
  const double tau = std::clamp(-dv_Dot(s, m) / mm, 0.0, 1.0);
  return (s + tau * m).squaredLength() <= reach * reach;
}

double dv_Model::collisionTime(const dv_Model* other) const {
  dv_Vector s, m;
  if (!relativeMotion(other, s, m)) return -1.0;
  const double mm = m.squaredLength();
  if (mm < 1e-8) return 0.0;
  const double reach = radius_ + other->radius_;
  const double sm = dv_Dot(s, m);
  const double discriminant = sm * sm - mm * (s.squaredLength() - reach * reach);
  if (discriminant < 0.0) return -1.0;
  return (-sm - std::sqrt(discriminant)) / mm;
}
