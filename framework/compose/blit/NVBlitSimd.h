// The vector row kernels. They exist only on x86 builds that keep the fast
// paths; each returns null for the combinations it does not cover.
#pragma once

#include "framework/compose/blit/NVBlendMode.h"
#include "framework/compose/blit/NVBlitPixel.h"
#include "framework/compose/blit/NVPixelTarget.h"
#include "framework/compose/blit/NVSampleFilter.h"

#if (defined(__x86_64__) || defined(__i386__)) && !defined(BRISEL_SCALAR_ONLY)
#define NV_BLIT_X86 1
#else
#define NV_BLIT_X86 0
#endif

#if NV_BLIT_X86
NVBlitRowKernel nvBlitSse2Kernel(NVSampleFilter filter, NVBlendMode mode, NVPixelLayout layout);
NVBlitRowKernel nvBlitAvx2Kernel(NVSampleFilter filter, NVBlendMode mode, NVPixelLayout layout);
#endif
