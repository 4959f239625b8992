// The kind of host a widget displays itself through. The values are the
// codes the framework has always stored for them; there are no kinds 2 and 3.
#pragma once

enum class NVHostKind : int {
  None = 0,       // no host yet: the widget keeps its values itself
  StageItem = 1,  // a child window with its own off-screen display
  Item2D = 4,     // an item in a 2D scene
  Item3D = 5,     // a textured quad in the 3D scene
};
