// The affine blitter family: each member maps every target pixel inside the
// clip rectangle back into the source through the inverse of the item's
// matrix, samples it and composes it over the target with the item's
// effective alpha and blend mode. One member per target layout, filter and
// ancestor clipping; the parameter record carries everything else.
#pragma once

#include "framework/compose/blit/NVBlitParams.h"

void blitNearest(const NVBlitParams& params);
void blitBilinear(const NVBlitParams& params);
void blitNearestRGBA(const NVBlitParams& params);
void blitBilinearRGBA(const NVBlitParams& params);
void blitNearestClipped(const NVBlitParams& params);
void blitBilinearClipped(const NVBlitParams& params);
void blitNearestClippedRGBA(const NVBlitParams& params);
void blitBilinearClippedRGBA(const NVBlitParams& params);
