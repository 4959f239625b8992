// Comparisons of toolkit values within a tolerance, with readable failures.
#pragma once

#include <gtest/gtest.h>

#include "toolkit/dv_Angle.h"
#include "toolkit/dv_Matrix.h"
#include "toolkit/dv_Vector.h"

inline void expectNear(const dv_Vector& a, const dv_Vector& b, double tol = 1e-9) {
  EXPECT_NEAR(a.x, b.x, tol);
  EXPECT_NEAR(a.y, b.y, tol);
  EXPECT_NEAR(a.z, b.z, tol);
}

inline void expectNear(const dv_Angle& a, const dv_Angle& b, double tol = 1e-9) {
  EXPECT_NEAR(a.h, b.h, tol);
  EXPECT_NEAR(a.p, b.p, tol);
  EXPECT_NEAR(a.b, b.b, tol);
}

inline void expectNear(const dv_Matrix& a, const dv_Matrix& b, double tol = 1e-9) {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) EXPECT_NEAR(a.m[r][c], b.m[r][c], tol) << "at " << r << "," << c;
}
