# Cross-compiles the native 32-bit Windows build with MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# SSE2 arithmetic instead of the x87 unit, whose 80-bit intermediates round
# differently: painters, blitters and the toolkit's math then give the same
# bits as on every other host. Every processor Windows 8 and later runs on has
# SSE2.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
# Link the compiler's run time statically so the executables run on a clean Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# zlib comes as both a DLL import library and a static one; take the static.
set(ZLIB_USE_STATIC_LIBS ON)
# The target's libraries that scripts/mingw-deps builds (one prefix each,
# passed as a ';'-separated list) are searched like the compiler's own.
if(BRISEL_MINGW_PREFIXES)
  list(APPEND CMAKE_FIND_ROOT_PATH ${BRISEL_MINGW_PREFIXES})
endif()
# Test programs run under Wine (ctest, and GoogleTest's test discovery).
find_program(BRISEL_WINE wine)
if(BRISEL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${BRISEL_WINE})
endif()
