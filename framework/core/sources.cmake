# Strings, path operations and text files: all the terminal program needs of
# the framework, so a library of their own on the run time alone.
add_library(nolvastrings STATIC
  core/NVString.cpp
  core/NVPathOps.cpp
  core/NVFileReader.cpp
  core/NVFileWriter.cpp
)
target_include_directories(nolvastrings PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(nolvastrings PUBLIC nvruntime brisel_options)
target_link_libraries(nolva PUBLIC nolvastrings)

target_sources(nolva PRIVATE
  core/NVPathOpsSystem.cpp
  core/NVMessageDisplay.cpp
  core/NVApplicationInfo.cpp
  core/NVPalette.cpp
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
