// Uploads toolkit images as OpenGL textures and draws the texture shapes.
// The drawer remembers the texture it bound last and whether texturing is
// on, so that consecutive shapes with one image bind it once.
#pragma once

class dv_Image;
class dv_Model;
class dv_Texture;

class dv_TextureDrawer {
 public:
  // Material, upload, binding, the model's texture hook, then the geometry.
  // Draws nothing when the shape's material source asks for no material or
  // the shape has no image.
  void draw(dv_Model& model, dv_Texture& texture, bool lighting);
  // Forgets the bound texture, as at the start of every frame.
  void forget();
  // Switches texturing off if a texture was drawn since.
  void disable();

  // Creates the image's texture, or refreshes it when the image changed:
  // only the update area when the texture still has the buffer's size.
  // Returns the texture name (0 for an empty image).
  unsigned int upload(dv_Image& image, int filter);
  // Deletes every texture name the toolkit generated.
  static void releaseAll();

 private:
  void bind(unsigned int name, int envMode);

  unsigned int bound_ = 0;
  bool enabled_ = false;
};
