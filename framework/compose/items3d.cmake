# 3D items: widget bodies drawn by the toolkit renderer as textured quads.
target_sources(nolva PRIVATE
  compose/NV3DItemBase.cpp
  compose/NV3DItem.cpp
  compose/NV3DStage.cpp
  compose/NVImageConversion.cpp
)
# Their drawing hooks set OpenGL matrices: the framework takes OpenGL from
# the toolkit renderer, which brings the platform's GL library.
if(NOT TARGET dovangl)
  message(FATAL_ERROR "The framework's 3D items need the toolkit renderer (libosmesa6-dev, libglu1-mesa-dev)")
endif()
target_link_libraries(nolva PUBLIC dovangl)
