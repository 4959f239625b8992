target_sources(nolva PRIVATE
  core/NVStageBase.cpp
  core/NVWindowClasses.cpp
  core/NVWindowProc.cpp
)
