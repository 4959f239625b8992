// Single-precision 3-vector for vertex and normal arrays.
#pragma once

struct dv_FloatVector {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
};
