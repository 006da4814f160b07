# Shared part of the Windows cross toolchains; included by
# mingw-w64-i686.cmake and mingw-w64-x86_64.cmake, which set
# DUVOX_MINGW_TRIPLET and DUVOX_MINGW_PROCESSOR first.
#
# Debian's mingw-w64 compilers come in two flavours; the "-posix" ones have
# the std::mutex and std::thread that GoogleTest needs. Everything is linked
# statically (libgcc, libstdc++, winpthread), so the .exe needs nothing but
# the DLLs every Windows has (KERNEL32, msvcrt).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${DUVOX_MINGW_PROCESSOR})

set(CMAKE_C_COMPILER ${DUVOX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DUVOX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${DUVOX_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DUVOX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run through Wine where one that can run them is installed
# (CTest and gtest_discover_tests both go through this emulator). Debian's
# wine64 package keeps its loader off the PATH, in /usr/lib/wine.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR AND DUVOX_MINGW_WINE_NAMES)
  find_program(DUVOX_WINE NAMES ${DUVOX_MINGW_WINE_NAMES}
               PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
  if(DUVOX_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${DUVOX_WINE})
  endif()
endif()
