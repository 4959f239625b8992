// Geometry of the texture shapes, drawn with the texture already bound.
// Texture coordinates address the used part of the image's buffer.
#pragma once

class dv_Texture;

// Draws any texture shape; nothing for a buffer smaller than 64 x 64.
void dv_GLDrawTextureShape(const dv_Texture& texture);
