target_sources(nolva PRIVATE
  core/NVString.cpp
  core/NVPathOps.cpp
  core/NVTextSize.cpp
  core/NVFileReader.cpp
  core/NVFileWriter.cpp
  core/NVMessageDisplay.cpp
  core/NVApplicationInfo.cpp
  core/NVGUICoreObject.cpp
  core/NVThread.cpp
  core/NVEngine.cpp
  core/NVTargetHooks.cpp
  core/NVEventConnector.cpp
  core/NVEventDispatch.cpp
  core/NVFrameCycle.cpp
  core/NVInput.cpp
  core/NVPressQueue.cpp
)
