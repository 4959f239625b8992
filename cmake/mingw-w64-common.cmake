# What both Windows architectures share; cmake/mingw-w64-i686.cmake and
# cmake/mingw-w64-x86_64.cmake set BRISEL_MINGW_TRIPLET and
# CMAKE_SYSTEM_PROCESSOR, then include this file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${BRISEL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRISEL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${BRISEL_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BRISEL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# SSE2 arithmetic instead of the x87 unit, whose 80-bit intermediates round
# differently: painters, blitters and the toolkit's math then give the same
# bits as on every other host. Every processor Windows 8 and later runs on has
# SSE2 (the 64-bit compiler uses it anyway).
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
# Test programs run under Wine (ctest, and GoogleTest's test discovery), with
# the loader that runs this architecture's programs: BRISEL_WINE_LOADER when
# given (scripts/wine-test picks one), else the first of the names that exists.
if(BRISEL_WINE_LOADER)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${BRISEL_WINE_LOADER})
else()
  find_program(BRISEL_WINE NAMES ${BRISEL_WINE_NAMES} PATHS /usr/lib/wine NO_CACHE)
  if(BRISEL_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${BRISEL_WINE})
  endif()
endif()
