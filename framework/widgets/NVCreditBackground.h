// The credit view's background: a diagonal wash from white toward the
// theme's main colour, crossed by seven soft strokes over the lower right.
#pragma once

#include "framework/widgets/NVPaintColour.h"

class NVImage;

// Paints the whole image (the view's client size) once.
void paintCreditBackground(NVImage* image);

// A straight stroke `width` wide from (x0, y0) to (x1, y1), blended over the
// image's colours with `alpha` (0..256) and soft one-pixel edges; the
// image's alpha channel stays.
void drawThickLine(NVImage* image, NVPaintColour colour, int alpha, double x0, double y0, double x1, double y1,
                   double width);
