// A texture coordinate pair (s to the right, t upward).
#pragma once

struct dv_TexCoord {
  float s = 0.0f;
  float t = 0.0f;
};

// Whether a coordinate lies in [0, 1] within the toolkit's texture tolerance.
inline bool dv_IsTexCoordValue(double v) { return v >= -1e-8 && v <= 1.00000001; }
