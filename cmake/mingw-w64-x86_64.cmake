# Cross-compiles the native 64-bit Windows build with MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BRISEL_MINGW_TRIPLET x86_64-w64-mingw32)
# Wine's 64-bit loader: Debian keeps it in /usr/lib/wine, off the PATH, and its
# `wine` launcher is an i386 program that a kernel without IA-32 emulation
# refuses.
set(BRISEL_WINE_NAMES wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
