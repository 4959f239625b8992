#include "toolkit/dv_Matrix.h"

#include <cmath>
#include <utility>

#include "toolkit/dv_MatrixLU.h"
#include "toolkit/dv_Report.h"

void dv_Matrix::init() {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) m[r][c] = r == c ? 1.0 : 0.0;
}

void dv_Matrix::setZero() {
  for (auto& row : m)
    for (double& e : row) e = 0.0;
}

bool dv_Matrix::set(int row, int col, double value) {
  if (row < 0 || row > 3 || col < 0 || col > 3) {
    dv_ReportError("dv_UnitMatrix", "set", 1, "ID Error");
    return false;
  }
  m[row][col] = value;
  return true;
}

void dv_Matrix::setRotation(double angle, int axis) {
  init();
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  // The two coordinates the rotation mixes, in right-handed order.
  int i = 0;
  int j = 0;
  switch (axis) {
    case 0: i = 1, j = 2; break;
    case 1: i = 2, j = 0; break;
    case 2: i = 0, j = 1; break;
    default: return;
  }
  m[i][i] = c;
  m[i][j] = -s;
  m[j][i] = s;
  m[j][j] = c;
}

void dv_Matrix::setTranslation(double x, double y, double z) {
  init();
  m[0][3] = x;
  m[1][3] = y;
  m[2][3] = z;
}

void dv_Matrix::setScaling(double x, double y, double z) {
  init();
  m[0][0] = x;
  m[1][1] = y;
  m[2][2] = z;
}

void dv_Matrix::setEuler(double h, double p, double b) {
  *this = dv_RotationMatrix(-h, 1) * dv_RotationMatrix(p, 0) * dv_RotationMatrix(-b, 2);
}

dv_Matrix& dv_Matrix::operator*=(const dv_Matrix& o) { return *this = *this * o; }

dv_Matrix& dv_Matrix::operator+=(const dv_Matrix& o) {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) m[r][c] += o.m[r][c];
  return *this;
}

dv_Matrix& dv_Matrix::operator-=(const dv_Matrix& o) {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) m[r][c] -= o.m[r][c];
  return *this;
}

void dv_Matrix::transpose() {
  for (int r = 0; r < 4; ++r)
    for (int c = r + 1; c < 4; ++c) std::swap(m[r][c], m[c][r]);
}

bool dv_Matrix::inverse() {
  dv_MatrixLU lu(*this);
  if (!lu.ok()) return false;
  *this = lu.inverse();
  return true;
}

dv_Matrix dv_Matrix::getInverse() const {
  dv_Matrix copy = *this;
  copy.inverse();
  return copy;
}

void dv_Matrix::rigidInverse() {
  const double t[3] = {m[0][3], m[1][3], m[2][3]};
  for (int r = 0; r < 3; ++r) m[r][3] = -(m[0][r] * t[0] + m[1][r] * t[1] + m[2][r] * t[2]);
  for (int r = 0; r < 3; ++r)
    for (int c = r + 1; c < 3; ++c) std::swap(m[r][c], m[c][r]);
}

dv_Matrix dv_Matrix::getRigidInverse() const {
  dv_Matrix copy = *this;
  copy.rigidInverse();
  return copy;
}

bool dv_Matrix::isSingular() const { return !dv_MatrixLU(*this).ok(); }

void dv_Matrix::Print() const { Print(std::string()); }

void dv_Matrix::Print(const std::string& tag) const {
  if (tag.empty())
    dv_ReportError("Matrix = ");
  else
    dv_ReportError("Matrix[" + tag + "] = ");
  for (const auto& row : m) dv_ReportFormatted("\t| %10.6f %10.6f %10.6f %10.6f |", row[0], row[1], row[2], row[3]);
}

dv_Matrix operator*(const dv_Matrix& a, const dv_Matrix& b) {
  dv_Matrix p;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      p.m[r][c] = a.m[r][0] * b.m[0][c] + a.m[r][1] * b.m[1][c] + a.m[r][2] * b.m[2][c] + a.m[r][3] * b.m[3][c];
  return p;
}

dv_Matrix operator+(const dv_Matrix& a, const dv_Matrix& b) {
  dv_Matrix s = a;
  return s += b;
}

dv_Matrix operator-(const dv_Matrix& a, const dv_Matrix& b) {
  dv_Matrix s = a;
  return s -= b;
}

dv_HVector operator*(const dv_Matrix& a, const dv_HVector& v) {
  double out[4];
  for (int r = 0; r < 4; ++r) out[r] = a.m[r][0] * v.x + a.m[r][1] * v.y + a.m[r][2] * v.z + a.m[r][3] * v.w;
  return dv_HVector(out[0], out[1], out[2], out[3]);
}

dv_Vector operator*(const dv_Matrix& a, const dv_Vector& v) { return (a * dv_HVector(v, 1.0)).xyz(); }

bool operator==(const dv_Matrix& a, const dv_Matrix& b) {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      if (!(std::fabs(a.m[r][c] - b.m[r][c]) < 1e-12)) return false;
  return true;
}

bool operator!=(const dv_Matrix& a, const dv_Matrix& b) { return !(a == b); }

dv_Matrix dv_RotationMatrix(double angle, int axis) {
  dv_Matrix r;
  r.setRotation(angle, axis);
  return r;
}

dv_Matrix dv_TranslationMatrix(const dv_Vector& v) {
  dv_Matrix t;
  t.setTranslation(v);
  return t;
}

dv_Matrix dv_ScalingMatrix(double x, double y, double z) {
  dv_Matrix s;
  s.setScaling(x, y, z);
  return s;
}

dv_Matrix dv_EulerMatrix(const dv_Angle& a) {
  dv_Matrix e;
  e.setEuler(a);
  return e;
}
