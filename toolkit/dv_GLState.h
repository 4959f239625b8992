// OpenGL state set from toolkit objects: materials, model and camera
// transforms, lights, fog and projections. Each call needs a current
// context.
#pragma once

#include <vector>

class dv_Material;
class dv_Model;
class dv_Projection;
class dv_World;

// With lighting: lighting on and the front-face material set; without:
// lighting off and the current colour set to the ambient colour.
void dv_GLApplyMaterial(const dv_Material& material, bool lighting);
// Root ancestor first: translate, rotate -heading about Y, pitch about X,
// -bank about Z, then the scale when the model is scaled.
void dv_GLModelTransform(const dv_Model& model);
// Pushes both matrices, loads identity into both and applies the model's
// placement chain: the model is placed in the unit cube, with no camera and
// no projection. dv_GLEndUnitCubePlacement pops both again.
void dv_GLBeginUnitCubePlacement(const dv_Model& model);
void dv_GLEndUnitCubePlacement();
// The inverse placement of the camera and each ancestor in turn.
void dv_GLCameraTransform(const dv_Model* camera);
// Sets up the first eight light models as GL_LIGHT0..7 and disables the
// rest; true when the frame has lights.
bool dv_GLSetupLights(const std::vector<dv_Model*>& lights);
void dv_GLApplyFog(const dv_World& world);
void dv_GLDisableFog();
// Loads the projection matrix (the current matrix mode must be
// GL_PROJECTION); null means the default 40 degree perspective.
void dv_GLMultProjection(const dv_Projection* projection, int width, int height);
