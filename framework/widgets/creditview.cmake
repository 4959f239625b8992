# The modal loop and the credit view.
target_sources(nolva PRIVATE
  widgets/NVModal.cpp
  widgets/NVCreditView.cpp
  widgets/NVCreditBackground.cpp
  widgets/NVLibraryCredits.cpp
)
