# Selectors, their groups and the text box.
target_sources(nolva PRIVATE
  widgets/NVSelectorGroup.cpp
  widgets/NVSelector.cpp
)
target_sources(nolva PRIVATE
  widgets/NVTextBox.cpp
  widgets/NVTextBoxView.cpp
  widgets/NVTextBoxKeys.cpp
  widgets/NVTextBoxHistory.cpp
  widgets/NVTextBoxText.cpp
  widgets/NVTextBoxClipboard.cpp
)
