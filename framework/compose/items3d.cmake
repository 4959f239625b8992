# 3D items: widget bodies drawn by the toolkit renderer as textured quads.
target_sources(nolva PRIVATE
  compose/NV3DItemBase.cpp
  compose/NV3DItem.cpp
  compose/NV3DStage.cpp
  compose/NVImageConversion.cpp
)
# Their drawing hooks reach OpenGL through the toolkit renderer, which is the
# only caller: the framework itself links no OpenGL.
