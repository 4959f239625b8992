target_sources(nolva PRIVATE
  widgets/NVWidget.cpp
)
target_sources(nolva PRIVATE
  widgets/NVTheme.cpp
)
