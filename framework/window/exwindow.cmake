target_sources(nolva PRIVATE
  window/NVExWindow.cpp
  window/NVExWindowHandlers.cpp
  window/NVExWindowMenu.cpp
  window/NVModal.cpp
  window/NVCreditView.cpp
)
