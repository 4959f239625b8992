# The affine blitter family. BRISEL_SCALAR_ONLY leaves out every vector path
# so that the plain scalar kernels run alone.
option(BRISEL_SCALAR_ONLY "Build the blitters without their vector paths" OFF)
target_sources(nolva PRIVATE
  compose/blit/NVBlitSetup.cpp
  compose/blit/NVBlitScalar.cpp
  compose/blit/NVBlitCpu.cpp
  compose/blit/NVBlitters.cpp
)
if(BRISEL_SCALAR_ONLY)
  target_compile_definitions(nolva PUBLIC BRISEL_SCALAR_ONLY)
endif()
target_sources(nolva PRIVATE compose/blit/NVBlitSse2.cpp compose/blit/NVBlitAvx2.cpp)
