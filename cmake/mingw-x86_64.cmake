# Cross-builds the program and its tests as 64-bit Windows code with mingw-w64, and runs the
# tests under 64-bit Wine, which needs no emulation where the kernel runs no 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Tests built here run through a wrapper that uses 64-bit Wine and the tests' 64-bit prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/winerun64)
