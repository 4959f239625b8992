# The visual designer, the painters and the animations.
target_sources(nolva PRIVATE
  widgets/NVVisualDesigner.cpp
  widgets/NVPaintColour.cpp
  widgets/NVPaintersButton.cpp
  widgets/NVPaintersBox.cpp
  widgets/NVPaintersScroll.cpp
  widgets/NVPaintersFrame.cpp
  widgets/NVPaintersTitleBar.cpp
  widgets/NVAnimation.cpp
)
