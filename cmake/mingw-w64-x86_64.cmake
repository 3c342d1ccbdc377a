# Cross-builds the engine, the runner and their tests for 64-bit Windows from a Linux host with
# Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix). The posix thread model is the one whose
# std::thread works, which the runs on several threads need. The window application needs a Qt 6
# built for Windows, which Debian does not have, so it is left out (docs/windows.md).
#   cmake -S . -B build/mingw -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

# Libraries and packages come from the MinGW tree (and from a prefix given with
# CMAKE_PREFIX_PATH, such as a cross-built GoogleTest), programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# The programs carry their C and C++ runtimes and the thread library inside them, so that the
# runner is one file to copy onto a Windows machine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# The test programs are listed and run under Wine when it is there (ctest in the cross build's
# tree), and only when they are run: building them needs no Wine.
find_program(KRAGMOOR_WINE64 NAMES wine64 PATHS /usr/lib/wine /usr/lib64/wine)
if(KRAGMOOR_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KRAGMOOR_WINE64})
endif()
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

set(KRAGMOOR_BUILD_UI OFF CACHE BOOL "Build the window application (needs Qt 6 Widgets)")
set(KRAGMOOR_BUILD_BENCH OFF CACHE BOOL "Build the benchmarks")
