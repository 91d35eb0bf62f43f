# 32-bit Arm Linux with hardware floating point (armhf), with Debian's g++-arm-linux-gnueabihf.
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(fizo_triplet arm-linux-gnueabihf)
set(fizo_qemu arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu.cmake)
