# Cross build for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads
# compilers of g++-mingw-w64-x86-64-posix), run and tested under Wine:
#
#     cmake -S . -B build-windows -G Ninja \
#           -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#           -DPST_WITH_UI=OFF -DPST_BENCH=OFF -DPST_GTEST_SOURCE_DIR=/usr/src/googletest
#
# scripts/test-windows.sh does that, with a Wine prefix of its own.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PST_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PST_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PST_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${PST_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PST_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime and the thread library linked in: the programs run
# without DLLs beside them, on Windows as under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Programs built here run under Wine: the tests, and the tools that write
# the sample modules and the manual page at build time.
find_program(PST_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(PST_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PST_WINE})
endif()
