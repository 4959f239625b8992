target_sources(nolva PRIVATE
  widgets/NVTransParentLabel.cpp
  widgets/NVLabel.cpp
  widgets/NVPushButton.cpp
)

