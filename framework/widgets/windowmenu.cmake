# The window menu's description (the bar itself is built by the window).
target_sources(nolva PRIVATE
  widgets/NVWindowMenu.cpp
  widgets/NVWindowMenuColumn.cpp
)
