target_sources(nolva PRIVATE
  core/NVString.cpp
  core/NVPathOps.cpp
  core/NVFileReader.cpp
  core/NVFileWriter.cpp
  core/NVMessageDisplay.cpp
  core/NVApplicationInfo.cpp
)
