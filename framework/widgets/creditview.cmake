# What the credit view shows: its animated background and the library credits.
target_sources(nolva PRIVATE
  widgets/NVCreditBackground.cpp
  widgets/NVLibraryCredits.cpp
)
