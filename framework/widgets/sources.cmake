target_sources(nolva PRIVATE
  widgets/NVWidget.cpp
  widgets/NVWidgetHooks.cpp
)
target_sources(nolva PRIVATE
  widgets/NVTheme.cpp
)
