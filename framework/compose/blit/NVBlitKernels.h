// Choice of the row kernel for a blit: the plain scalar kernels and, where
// the processor has them, vector kernels that give the same bytes.
#pragma once

#include "framework/compose/blit/NVBlendMode.h"
#include "framework/compose/blit/NVBlitPixel.h"
#include "framework/compose/blit/NVPixelTarget.h"
#include "framework/compose/blit/NVSampleFilter.h"

enum NVBlitLevel : int { NV_BLIT_SCALAR = 0, NV_BLIT_SSE2 = 1, NV_BLIT_AVX2 = 2 };

// The best level this processor and this build support.
int nvBlitCpuLevel();
// Caps the level that blits use (tests and benchmarks compare the levels).
void nvBlitSetMaxLevel(int level);
// The level that blits use now.
int nvBlitActiveLevel();

NVBlitRowKernel nvBlitScalarKernel(NVSampleFilter filter, NVBlendMode mode, NVPixelLayout layout);
// The fastest kernel at the active level.
NVBlitRowKernel nvBlitSelectKernel(NVSampleFilter filter, NVBlendMode mode, NVPixelLayout layout);
