# 64-bit Arm Linux, with Debian's cross compiler (g++-aarch64-linux-gnu). The tests run the programs
# under qemu's user-mode emulator (qemu-user-static), which needs no Arm system: the programs are
# static, and anything dynamic finds its loader and libraries in the cross compiler's folder.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# A cache value given with -D joins the cross compiler's folder: the package tests' consumers find
# fizo in the trees that they unpack.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(FIZO_QEMU_AARCH64 qemu-aarch64-static)
if(FIZO_QEMU_AARCH64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${FIZO_QEMU_AARCH64} -L /usr/aarch64-linux-gnu)
endif()
