# The vertical scroll bar and the list view.
target_sources(nolva PRIVATE
  widgets/NVVScroll.cpp
  widgets/NVListView.cpp
  widgets/NVListViewDraw.cpp
  widgets/NVListViewInput.cpp
)
