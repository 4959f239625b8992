// What shows 3D items: the window whose client size lays them out, the items
// entered in it by depth, and the renderer's model list that draws them. The
// window's OpenGL context and the loop that draws the list belong to the host
// of the stage; the renderer calls each item's drawing hooks around its quad.
#pragma once

#include <map>
#include <vector>

class NV3DItemBase;
class NVStageBase;
class dv_ModelSet;

class NV3DStage {
 public:
  // Either may be null: without a window the stage counts as 300 x 300,
  // without a model list nothing draws the items.
  NV3DStage(NVStageBase* stage, dv_ModelSet* models);
  // Items still entered lose their link to the stage.
  ~NV3DStage();
  NV3DStage(const NV3DStage&) = delete;
  NV3DStage& operator=(const NV3DStage&) = delete;

  // Nothing when the item is already in a stage; otherwise its model joins
  // the list and it is laid out, made visible first when asked.
  void addItem(NV3DItemBase* item, bool visible);
  void removeItem(NV3DItemBase* item);
  // The items under a client point, topmost first, at most maxCount, asked
  // through the entered items that have no parent.
  std::vector<NV3DItemBase*> hitTest(int x, int y, int maxCount = 1);

  int getWidth() const;
  int getHeight() const;

  NVStageBase* stage;
  dv_ModelSet* models;
  // Every entered item, children too, by depth.
  std::multimap<int, NV3DItemBase*> roots;
};
