# 64-bit Windows console program, cross-built with Debian's mingw-w64:
#   cmake --preset win64     (or -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake)
set(DUVOX_MINGW_TRIPLET x86_64-w64-mingw32)
set(DUVOX_MINGW_PROCESSOR AMD64)
set(DUVOX_MINGW_WINE_NAMES wine64 wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
