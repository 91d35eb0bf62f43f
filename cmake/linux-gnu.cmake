# Shared part of the Linux toolchain files, with Debian's compilers for the GNU triplet that the
# including file sets in fizo_triplet, with CMAKE_SYSTEM_PROCESSOR (uname -m's name) and fizo_qemu.
# The tests run the programs under qemu's user-mode emulator (qemu-user-static), which needs no
# system of the target: a static program needs nothing, and a dynamic one (the consumer of the
# package tests) finds its loader and libraries in the cross compiler's folder, through -L.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_LIBRARY_ARCHITECTURE ${fizo_triplet})
set(CMAKE_C_COMPILER ${fizo_triplet}-gcc)
set(CMAKE_CXX_COMPILER ${fizo_triplet}-g++)

# A cache value given with -D joins the cross compiler's folder: the package tests' consumers find
# fizo in the trees that they unpack.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${fizo_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# FIZO_OLDEST_PROCESSOR runs them on qemu's model of the processor line's oldest instead.
set(fizo_qemu_options -L /usr/${fizo_triplet})
find_program(FIZO_QEMU qemu-${fizo_qemu}-static)
if(FIZO_QEMU)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${FIZO_QEMU} ${fizo_qemu_options})
endif()
