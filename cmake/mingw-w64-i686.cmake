# 32-bit Windows console program, the tool's home target, cross-built with
# Debian's mingw-w64:
#   cmake --preset win32     (or -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake)
# Only a Wine that runs 32-bit programs can run its tests ("wine", not the
# 64-bit-only "wine64"); without one the tests are built but not run.
set(DUVOX_MINGW_TRIPLET i686-w64-mingw32)
set(DUVOX_MINGW_PROCESSOR x86)
set(DUVOX_MINGW_WINE_NAMES wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
