// 4x4 matrix stored row by row, multiplying column vectors (M * v); the
// translation of a transform sits in column 3.
#pragma once

#include <string>

#include "toolkit/dv_Angle.h"
#include "toolkit/dv_HVector.h"
#include "toolkit/dv_Vector.h"

struct dv_Matrix {
  double m[4][4];

  dv_Matrix() { init(); }

  void init();
  void setZero();
  // False, with a report and no change, for a row or column outside 0-3.
  bool set(int row, int col, double value);
  double* operator[](int row) { return m[row]; }
  const double* operator[](int row) const { return m[row]; }

  // Rotation about axis 0 = X, 1 = Y, 2 = Z.
  void setRotation(double angle, int axis);
  void setTranslation(double x, double y, double z);
  void setTranslation(const dv_Vector& v) { setTranslation(v.x, v.y, v.z); }
  void setScaling(double x, double y, double z);
  void setScaling(const dv_Vector& v) { setScaling(v.x, v.y, v.z); }
  // Ry(-h) * Rx(p) * Rz(-b).
  void setEuler(double h, double p, double b);
  void setEuler(const dv_Angle& a) { setEuler(a.h, a.p, a.b); }

  dv_Matrix& operator*=(const dv_Matrix& o);
  dv_Matrix& operator+=(const dv_Matrix& o);
  dv_Matrix& operator-=(const dv_Matrix& o);

  void transpose();
  // General inverse by LU decomposition; false and unchanged when singular.
  bool inverse();
  dv_Matrix getInverse() const;
  // Inverse of a rotation plus translation; row 3 is kept.
  void rigidInverse();
  dv_Matrix getRigidInverse() const;
  bool isSingular() const;
  bool isInvertible() const { return !isSingular(); }

  void Print() const;
  void Print(const std::string& tag) const;
};

dv_Matrix operator*(const dv_Matrix& a, const dv_Matrix& b);
dv_Matrix operator+(const dv_Matrix& a, const dv_Matrix& b);
dv_Matrix operator-(const dv_Matrix& a, const dv_Matrix& b);
dv_HVector operator*(const dv_Matrix& a, const dv_HVector& v);
// The vector is taken as a point (w = 1); w of the product is dropped.
dv_Vector operator*(const dv_Matrix& a, const dv_Vector& v);
bool operator==(const dv_Matrix& a, const dv_Matrix& b);
bool operator!=(const dv_Matrix& a, const dv_Matrix& b);

// Convenience constructors for the common transforms.
dv_Matrix dv_RotationMatrix(double angle, int axis);
dv_Matrix dv_TranslationMatrix(const dv_Vector& v);
dv_Matrix dv_ScalingMatrix(double x, double y, double z);
dv_Matrix dv_EulerMatrix(const dv_Angle& a);
