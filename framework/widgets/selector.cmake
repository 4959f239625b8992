# Selectors, their groups and the text box.
target_sources(nolva PRIVATE
  widgets/NVSelectorGroup.cpp
  widgets/NVSelector.cpp
)
