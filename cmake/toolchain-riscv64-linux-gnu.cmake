# 64-bit RISC-V Linux (riscv64), with Debian's g++-riscv64-linux-gnu.
set(CMAKE_SYSTEM_PROCESSOR riscv64)
set(fizo_triplet riscv64-linux-gnu)
set(fizo_qemu riscv64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu.cmake)
