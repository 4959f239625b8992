// Process-wide ids of scenes. Ids start at 1; a new scene takes the id given
// back first (first given back, first reused), else one more than the
// largest handed out so far.
#pragma once

class dv_SceneIdPool {
 public:
  static int take();
  // False, and nothing changes, for an id that is not in use.
  static bool giveBack(int id);
};
