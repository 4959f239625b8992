// OpenGL work that objects outside the renderer do in their draw hooks
// (dv_Model::preDraw and postDraw), reached through the renderer: the
// renderer fills these in when the first one is created, and only the
// renderer calls the hooks. Code that builds models but never draws them
// therefore needs no OpenGL library.
#pragma once

class dv_Model;

struct dv_DrawHooks {
  // Saves the projection and model-view matrices, loads identity into both
  // and applies the model's placement chain, outermost parent first.
  void (*beginUnitCubePlacement)(const dv_Model& model) = nullptr;
  // Restores both matrices and leaves the model-view matrix selected.
  void (*endUnitCubePlacement)() = nullptr;

  static dv_DrawHooks& instance();
};
