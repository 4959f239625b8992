// Draws a scene of toolkit models with OpenGL 1.1 and GLU into one window's
// context, and picks, captures, projects and unprojects in it.
//
// The engine never creates a context. Whoever owns the window (or an
// off-screen buffer) either makes its context current on the calling thread
// before each call, or hands the engine a dv_GLContext, which the engine
// then makes current itself and swaps after every frame.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/dv_Matrix.h"
#include "toolkit/dv_Vector.h"

class dv_GLContext;
class dv_Image;
class dv_Model;
class dv_ModelSet;
class dv_PickResult;
struct dv_Plane;
class dv_TextureDrawer;

class dv_RenderEngine {
 public:
  static constexpr int SelectBufferSize = 2560;

  dv_RenderEngine();
  ~dv_RenderEngine();
  dv_RenderEngine(const dv_RenderEngine&) = delete;
  dv_RenderEngine& operator=(const dv_RenderEngine&) = delete;

  // Null: the caller makes a context current before each call.
  void setContext(dv_GLContext* context) { context_ = context; }
  dv_GLContext* getContext() const { return context_; }

  // A fresh window number and everything reset; sizes below 1 become 1.
  void init(int width, int height);
  void resize(int width, int height);
  int getWindowId() const { return windowId_; }
  int getWidth() const { return width_; }
  int getHeight() const { return height_; }
  // The process-wide window counter: it counts engine initialisations and
  // texture releases; above 2, every frame sets up its projection again.
  static int getWindowCounter();

  // Deletes every texture the toolkit uploaded; images upload again on
  // their next draw and every window sets up its projection again.
  void releaseTextures();

  // The scene is not owned; null draws an empty frame. The next frame sets
  // up the scene's projection and fog.
  void setScene(dv_ModelSet* scene);
  dv_ModelSet* getScene() const { return scene_; }

  // The initial OpenGL state; once per new context.
  void initGL();
  // One frame; with pickFlag the lists are drawn as for picking.
  void draw(bool pickFlag = false);

  // Picking at window pixel (x, y), y downward: setupPick puts OpenGL in
  // selection mode around the point, pick draws and appends the hits to
  // the result in hit order.
  void setupPick(int size, int x, int y);
  void pick(dv_PickResult& result);

  // The front or back buffer as RGB with alpha 255, top row first; the
  // image is resized to the window when it differs.
  bool capture(dv_Image& image, bool fromBackBuffer);

  // Window coordinates (y downward) and depth (0 near, 1 far) of a point.
  bool projectToWindow(const dv_Vector& point, dv_Vector& result);
  // The points on the near and far planes under a window point.
  bool unprojectFromWindow(double x, double y, dv_Vector& nearPoint, dv_Vector& farPoint);
  // The point under (x, y) at a distance from the camera; needs a scene.
  bool unprojectAtDistance(double x, double y, double distance, dv_Vector& result);
  // Where the line under (x, y) meets the plane; needs a scene.
  bool unprojectToPlane(double x, double y, dv_Plane& plane, dv_Vector& result);

 private:
  bool makeCurrent();
  void setupProjection();
  void syncProjection();
  void applySceneState();
  void drawLists(bool picking);
  void drawModel(dv_Model& model, bool picking);
  void readTransform();
  void readHits(int hits, dv_PickResult& result);

  dv_GLContext* context_ = nullptr;
  int windowId_ = 0;
  int width_ = 1;
  int height_ = 1;
  bool resized_ = false;
  dv_ModelSet* scene_ = nullptr;
  int lastSceneId_ = -1;
  int lastProjectionVersion_ = -1;
  bool lighting_ = false;
  std::unique_ptr<dv_TextureDrawer> textures_;
  std::vector<unsigned int> selectBuffer_;
  std::vector<dv_Model*> pickModels_;
  int viewport_[4] = {0, 0, 1, 1};
  // Projection times model-view, camera included.
  dv_Matrix transform_;
  std::vector<unsigned char> captureBuffer_;
};
