# The toolchain of one target of cmake/targets.cmake, named by FIZO_TARGET: Debian's compilers for
# its GNU triplet, and the target's own folders to search for what a build finds.
include(${CMAKE_CURRENT_LIST_DIR}/targets.cmake)
fizo_target_row("${FIZO_TARGET}")
# The checks that the configure compiles need the same toolchain.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES FIZO_TARGET)

set(CMAKE_SYSTEM_PROCESSOR ${fizo_target_processor})
if(fizo_target MATCHES "^windows-")
    set(CMAKE_SYSTEM_NAME Windows)
    set(CMAKE_C_COMPILER ${fizo_target_triplet}-gcc-posix)
    set(CMAKE_CXX_COMPILER ${fizo_target_triplet}-g++-posix)
    set(CMAKE_RC_COMPILER ${fizo_target_triplet}-windres)
else()
    set(CMAKE_SYSTEM_NAME Linux)
    set(CMAKE_C_COMPILER ${fizo_target_triplet}-gcc)
    set(CMAKE_CXX_COMPILER ${fizo_target_triplet}-g++)
endif()

# A cache value given with -D joins the compiler's folder: the package tests' consumers find fizo in
# the trees that they unpack.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${fizo_target_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
