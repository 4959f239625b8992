#include "toolkit/dv_MatrixLU.h"

#include <cmath>
#include <utility>

#include "toolkit/dv_Matrix.h"

namespace {

constexpr double kZero = 1e-12;
constexpr double kTinyPivot = 1e-16;

}  // namespace

dv_MatrixLU::dv_MatrixLU(const dv_Matrix& a) {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) lu_[r][c] = a.m[r][c];
  ok_ = decompose();
}

bool dv_MatrixLU::decompose() {
  double scale[4];
  for (int i = 0; i < 4; ++i) {
    double big = 0.0;
    for (int j = 0; j < 4; ++j) big = std::fmax(big, std::fabs(lu_[i][j]));
    if (big < kZero) return false;
    scale[i] = 1.0 / big;
  }
  for (int j = 0; j < 4; ++j) {
    for (int i = 0; i < j; ++i) {
      double sum = lu_[i][j];
      for (int k = 0; k < i; ++k) sum -= lu_[i][k] * lu_[k][j];
      lu_[i][j] = sum;
    }
    double big = 0.0;
    int pivot = j;
    for (int i = j; i < 4; ++i) {
      double sum = lu_[i][j];
      for (int k = 0; k < j; ++k) sum -= lu_[i][k] * lu_[k][j];
      lu_[i][j] = sum;
      // ">=" lets a later row win a tie.
      if (scale[i] * std::fabs(sum) >= big) {
        big = scale[i] * std::fabs(sum);
        pivot = i;
      }
    }
    if (pivot != j) {
      for (int k = 0; k < 4; ++k) std::swap(lu_[pivot][k], lu_[j][k]);
      scale[pivot] = scale[j];
    }
    perm_[j] = pivot;
    if (std::fabs(lu_[j][j]) < kZero) lu_[j][j] = kTinyPivot;
    for (int i = j + 1; i < 4; ++i) lu_[i][j] /= lu_[j][j];
  }
  for (int i = 0; i < 4; ++i)
    if (std::fabs(lu_[i][i]) < kZero) return false;
  return true;
}

void dv_MatrixLU::solve(double b[4]) const {
  for (int i = 0; i < 4; ++i) {
    double sum = b[perm_[i]];
    b[perm_[i]] = b[i];
    for (int k = 0; k < i; ++k) sum -= lu_[i][k] * b[k];
    b[i] = sum;
  }
  for (int i = 3; i >= 0; --i) {
    double sum = b[i];
    for (int k = i + 1; k < 4; ++k) sum -= lu_[i][k] * b[k];
    b[i] = sum / lu_[i][i];
  }
}

dv_Matrix dv_MatrixLU::inverse() const {
  dv_Matrix inv;
  for (int c = 0; c < 4; ++c) {
    double column[4] = {0.0, 0.0, 0.0, 0.0};
    column[c] = 1.0;
    solve(column);
    for (int r = 0; r < 4; ++r) inv.m[r][c] = column[r];
  }
  return inv;
}
