target_sources(nolva PRIVATE
  compose/NV2DItemBase.cpp
  compose/NV2DItem.cpp
  compose/NVComposeHooks.cpp
  compose/NV2DScene.cpp
  compose/NV2DStage.cpp
  compose/NVStringStyle.cpp
  compose/NVDisplay.cpp
  compose/NVStageItem.cpp
)
