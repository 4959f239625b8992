// Faces, points and lines of element shapes (dv_ElementShape), as a model's
// drawParts ask. When picking, each element is named 3 * index + kind
// (0 face, 1 edge, 2 vertex) on the name stack.
#pragma once

class dv_Model;
class dv_Shape;

// Faces (bit 4), then points (bit 1), then lines (bit 2). Lighting ends
// enabled when the frame has lights and disabled otherwise.
void dv_GLDrawElements(const dv_Model& model, const dv_Shape& shape, bool picking, bool lighting);
