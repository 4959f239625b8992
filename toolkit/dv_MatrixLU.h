// LU decomposition of a 4x4 matrix by Crout's method, with partial pivoting
// and implicit row scaling; used by the general inverse and the singularity
// test.
#pragma once

struct dv_Matrix;

class dv_MatrixLU {
 public:
  explicit dv_MatrixLU(const dv_Matrix& a);
  // False when a row is (near) zero or a pivot is (near) zero.
  bool ok() const { return ok_; }
  // The inverse of the decomposed matrix; only meaningful when ok().
  dv_Matrix inverse() const;

 private:
  bool decompose();
  void solve(double b[4]) const;

  double lu_[4][4];
  int perm_[4] = {0, 1, 2, 3};
  bool ok_ = false;
};
