// A plain reference of the blitter family, written straight from the
// formulas: direct evaluation of every mapped position in 64-bit integers,
// literal row spans and per-pixel sampling and compositing with no tables,
// templates or shortcuts. The optimised blitters must match it byte for byte.
#pragma once

#include "framework/compose/blit/NVBlitParams.h"

// filter 0 or 1; layout 1 or 2; clipped selects the ancestor windows.
void referenceBlit(const NVBlitParams& params, int filter, int layout, bool clipped);

// The family member for a filter, layout and clipping choice.
using BlitFunction = void (*)(const NVBlitParams&);
BlitFunction blitterFor(int filter, int layout, bool clipped);
