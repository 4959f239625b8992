target_sources(nolva PRIVATE
  compose/NVImage.cpp
)
