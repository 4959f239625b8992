target_sources(nolva PRIVATE
  window/NVStageBase.cpp
  window/NVWindowClasses.cpp
  window/NVWindowProc.cpp
)
