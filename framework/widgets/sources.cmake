target_sources(nolva PRIVATE
  widgets/NVWidget.cpp
)
