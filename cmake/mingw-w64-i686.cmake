# Cross-compiles the native 32-bit Windows build with MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(BRISEL_MINGW_TRIPLET i686-w64-mingw32)
# Wine's own launcher picks the loader of a program's architecture.
set(BRISEL_WINE_NAMES wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
