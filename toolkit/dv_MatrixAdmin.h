// Placement of a toolkit object: position, looking direction, up vector,
// Euler angle and scale, with the matrix built from them. Operations named
// gl* take global (parent) coordinates, lo* the object's own coordinates.
// Every operation returns false and changes nothing when it rejects its
// arguments.
#pragma once

#include "toolkit/dv_Angle.h"
#include "toolkit/dv_BaseObject.h"
#include "toolkit/dv_HVector.h"
#include "toolkit/dv_Matrix.h"

class dv_MatrixAdmin : public dv_BaseObject {
 public:
  explicit dv_MatrixAdmin(int type = 0);

  dv_Vector getPosition() const { return position_.xyz(); }
  dv_Vector getDirection() const { return vec_.xyz(); }
  dv_Vector getUp() const { return upvec_.xyz(); }
  const dv_Angle& getAngle() const { return angle_; }
  double getScale() const { return scale_; }
  double getScale(int axis) const;
  bool isScaled() const { return scaled_; }
  const dv_Matrix& getBaseMatrix() const { return baseMatrix_; }
  // baseMatrix with the scale applied.
  dv_Matrix getMatrix() const;
  dv_Matrix getInvMatrix() const;

  bool glSetPosition(double x, double y, double z);
  bool glSetPosition(const dv_Vector& p);
  bool glShift(double x, double y, double z);
  bool glShift(const dv_Vector& v);
  bool loShift(double x, double y, double z);
  bool loShift(const dv_Vector& v);

  bool glSetAngle(double h, double p, double b);
  bool glSetAngle(const dv_Angle& a);
  bool loSetAngle(double h, double p, double b);
  bool loSetAngle(const dv_Angle& a);
  bool glVec(double x, double y, double z);
  bool glVec(const dv_Vector& v);
  bool glFocus(double x, double y, double z);
  bool glFocus(const dv_Vector& point);
  bool loFocus(double x, double y, double z);
  bool loFocus(const dv_Vector& point);
  bool glUpvec(double x, double y, double z);
  bool glUpvec(const dv_Vector& v);
  bool loUpvec(double x, double y, double z);
  bool loUpvec(const dv_Vector& v);

  // Rotations of the position about a line parallel to axis 0/1/2 through a
  // point, or about the directed line A->B. The *WithVec forms turn the
  // direction and up vector too.
  bool glRotate(const dv_Vector& origin, int axis, double theta);
  bool glRotate(double x, double y, double z, int axis, double theta);
  bool glRotate(const dv_Vector& a, const dv_Vector& b, double theta);
  bool glRotate(double ax, double ay, double az, double bx, double by, double bz, double theta);
  bool loRotate(const dv_Vector& origin, int axis, double theta);
  bool loRotate(double x, double y, double z, int axis, double theta);
  bool loRotate(const dv_Vector& a, const dv_Vector& b, double theta);
  bool loRotate(double ax, double ay, double az, double bx, double by, double bz, double theta);
  bool glRotateWithVec(const dv_Vector& origin, int axis, double theta);
  bool glRotateWithVec(double x, double y, double z, int axis, double theta);
  bool glRotateWithVec(const dv_Vector& a, const dv_Vector& b, double theta);
  bool glRotateWithVec(double ax, double ay, double az, double bx, double by, double bz, double theta);
  bool loRotateWithVec(const dv_Vector& origin, int axis, double theta);
  bool loRotateWithVec(double x, double y, double z, int axis, double theta);
  bool loRotateWithVec(const dv_Vector& a, const dv_Vector& b, double theta);
  bool loRotateWithVec(double ax, double ay, double az, double bx, double by, double bz, double theta);

  bool setScale(double s);
  bool setScale(double s, int axis);
  bool setScale(double x, double y, double z);
  bool prdScale(double s);
  bool prdScale(double s, int axis);
  bool prdScale(double x, double y, double z);

 protected:
  // Places the object where `e` maps the origin, (0, 0, -1) and (0, 1, 0);
  // used to keep a global placement when the parent changes.
  void placeFrom(const dv_Matrix& e);
  // Puts a saved position and angle back.
  void restorePlacement(const dv_Vector& position, const dv_Angle& angle);

 private:
  enum Flags { Global = 0, Local = 1, WithVec = 2 };

  bool rotateAxis(const char* function, const dv_Vector& origin, int axis, double theta, int flags);
  bool rotateLine(const char* function, int code, const dv_Vector& a, const dv_Vector& b, double theta, int flags);
  void applyRotation(dv_Matrix m, int flags);
  bool angleFromVectors();
  void vectorsFromAngle();
  void rebuild();
  bool acceptUp(const char* function, const dv_Vector& up);
  bool storeScale(double scale, double x, double y, double z);

  dv_Matrix baseMatrix_;
  dv_HVector position_{0.0, 0.0, 0.0, 1.0};
  dv_HVector vec_{0.0, 0.0, -1.0, 0.0};
  dv_HVector upvec_{0.0, 1.0, 0.0, 0.0};
  dv_Angle angle_;
  double scale_ = 1.0;
  double xScale_ = 1.0;
  double yScale_ = 1.0;
  double zScale_ = 1.0;
  bool scaled_ = false;
};
