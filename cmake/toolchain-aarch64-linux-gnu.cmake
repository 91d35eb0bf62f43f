# 64-bit Arm Linux (arm64), with Debian's g++-aarch64-linux-gnu.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(fizo_triplet aarch64-linux-gnu)
set(fizo_qemu aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu.cmake)
