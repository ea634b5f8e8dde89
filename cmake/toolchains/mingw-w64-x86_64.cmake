# SPDX-License-Identifier: MIT
# Cross compiling for 64-bit Windows with Debian's MinGW-w64 (the posix
# thread model, which Qt needs for std::thread and friends).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_kestrin_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_kestrin_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_kestrin_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_kestrin_mingw}-windres)
set(CMAKE_AR ${_kestrin_mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${_kestrin_mingw}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries and headers only from the MinGW sysroot and from the prefixes
# given on the command line (the cached static Qt, chmlib, GoogleTest);
# programs (moc, rcc, uic) from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${_kestrin_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes linked in, so that each program runs without
# MinGW's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
