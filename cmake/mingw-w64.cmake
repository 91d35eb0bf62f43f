# Shared part of the MinGW-w64 toolchain files; the including file sets
# fizo_mingw_triple. The -posix compilers are named because the default
# -win32 thread model cannot build GoogleTest.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${fizo_mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${fizo_mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${fizo_mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${fizo_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
